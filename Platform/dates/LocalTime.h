#pragma once
#include <chrono>

#include "DateTime.h"

namespace Platform {

// Turns real time (the system clock, counting elapsed seconds) into the local
// wall-clock time of the process's time zone and back. The wall clock jumps
// where daylight saving time begins and ends; real time never does, so
// whatever measures how long something took works on real time.
class LocalTime {
public:
    using TimePoint = std::chrono::sys_seconds;

    static DateTime fromSystem(TimePoint t);
    // The real moment of a wall-clock time. A time that occurs twice (the
    // repeated hour when the clocks go back) is its first occurrence; a time
    // that never occurs (the hour skipped when the clocks go forward) is the
    // moment of the jump, the first real second shown later than it.
    static TimePoint toSystem(DateTime wall);
    // Real seconds from one wall-clock time to another (see toSystem).
    static int64_t elapsedSeconds(DateTime from, DateTime to);
};

} // namespace Platform
