#pragma once
#include <cstdint>

#include "Platform/dates/DateTime.h"

namespace Plent {

// What an event looked like when ActivEvent handed it out, before the
// hand-out moved it on: kept for clients that record their runs.
struct HandOutFacts {
    Platform::Date nextStart = 0;
    int16_t delay = 0;
    int16_t delayMode = 0;
    // Found Delay minutes or more after its start: the delay rule applied.
    bool late = false;
};

} // namespace Plent
