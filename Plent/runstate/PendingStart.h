#pragma once
#include <string>

#include "Plent/model/CPlent.h"

namespace Plent {

// A hand-out whose program the runner is about to start, kept in the run
// state before the start: a runner that ends before the start leaves it
// there, and the next runner tells of it in the run history.
struct PendingStart {
    // The name of the run in the history.
    std::string Run;
    std::string Identifier;
    std::string Command;
    Date Due = 0;

    bool operator==(const PendingStart& other) const = default;
};

} // namespace Plent
