#pragma once
#include <string>

#include "HandOutFacts.h"

namespace Plent {

// One event the engine hands out to be started now. A hand-out with `held`
// set is none: the engine did not hand the event out and says why (the
// table its rule needs cannot be read, it has no identifier), once, so that
// its client can keep a record of it; the event's state did not move.
struct HandOut {
    std::string identifier;
    std::string description;
    std::string parameter;
    bool alarm = false;
    // The event as it was found, before the hand-out moved it on.
    HandOutFacts facts;
    std::string held = {};

    bool isHeld() const { return !held.empty(); }
};

} // namespace Plent
