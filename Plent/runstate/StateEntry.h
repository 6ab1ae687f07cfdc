#pragma once
#include <optional>
#include <string>

#include "RunFields.h"

namespace Plent {

// What the runner knows of one event beyond its event file: the run fields
// the file held when the runner last loaded it (the base), and either the
// run fields the runner's polls gave it, or, for an event deleted after it
// was done, the fingerprint of the definition it was deleted with.
struct StateEntry {
    std::string Identifier;
    RunFields Base;
    std::optional<RunFields> Run;
    std::string Definition;

    bool removed() const { return !Run; }
    bool operator==(const StateEntry& other) const = default;
};

} // namespace Plent
