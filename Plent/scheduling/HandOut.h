#pragma once
#include <cstdint>
#include <string>

#include "Plent/model/CPlent.h"
#include "Platform/dates/DateTime.h"

namespace Plent {

// One event the engine hands out to be started now, with everything its
// client records of the start. A hand-out with `held` set is none: the
// engine did not hand the event out and says why (the table its rule needs
// cannot be read, it has no identifier), once, so that its client can keep
// a record of it; the event's state did not move.
struct HandOut {
    std::string identifier;
    std::string description;
    std::string parameter;
    bool alarm = false;
    // The event as it was found, before the hand-out moved it on: its start
    // and its delay rule.
    Platform::Date due = 0;
    int16_t delay = 0;
    int16_t delayMode = 0;
    // Found Delay minutes or more after its start: the delay rule applied.
    bool late = false;
    std::string held = {};

    bool isHeld() const { return !held.empty(); }

    // The event as it is now, neither alarmed nor late nor held.
    static HandOut of(const CPlent& event)
    {
        return {event.Identifier(), event.Description(), event.Parameter(), false,
                event.NextStart(),  event.Delay(),       event.DelayMode()};
    }
};

} // namespace Plent
