#pragma once
#include <optional>
#include <string>

#include "RunFields.h"

namespace Plent {

// What the runner knows of one event beyond its event file: the run fields
// the file held when the runner last loaded it (the base), either the run
// fields the runner's polls gave it or, for an event deleted after it was
// done, nothing, the fingerprint of the definition it had then, and since
// when the event file has not held it (0 while it does).
struct StateEntry {
    std::string Identifier;
    RunFields Base;
    std::optional<RunFields> Run;
    std::string Definition;
    Date MissingSince = 0;

    bool removed() const { return !Run; }
    bool operator==(const StateEntry& other) const = default;
};

} // namespace Plent
