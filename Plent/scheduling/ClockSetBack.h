#pragma once
#include <optional>

#include "ExceptionDates.h"
#include "Plent/model/colPlents.h"

namespace Plent {

// Notices the wall clock going back (the autumn change, a manual
// correction) between two hand-outs and puts the frequent events back in
// their stride: an event that repeats in minutes or hours, last handed out
// at a wall time the clock has not reached again, and whose next start now
// lies more than one step ahead, moves to the first point of its grid at or
// after now. Events that repeat in days or longer and once-events keep
// their next start, so none of them runs twice for the same start; a jump
// forward changes nothing here (the next hand-out catches up once).
class ClockSetBack {
public:
    // Called with the now of every hand-out; moves the frequent events when
    // now lies before the now of the call before, and then says so.
    bool seen(const colPlents& events, Platform::DateTime now, ExceptionDates& table);

private:
    std::optional<Platform::DateTime> last_;
};

} // namespace Plent
