#pragma once
#include <functional>

#include "DateTime.h"

namespace Platform {

// The one source of "now" for the whole system: the local wall-clock time
// in whole seconds. Tests and simulations put their own source in its place.
class Clock {
public:
    using Source = std::function<DateTime()>;

    static DateTime now();
    // Replaces the source; an empty source restores the system clock.
    // Returns the previous source.
    static Source setSource(Source source);
    static DateTime systemNow();
};

// Puts a fixed, settable time in place of the clock for its lifetime.
class FixedClock {
public:
    explicit FixedClock(DateTime t);
    ~FixedClock();
    FixedClock(const FixedClock&) = delete;
    FixedClock& operator=(const FixedClock&) = delete;

    void set(DateTime t) { now_ = t; }
    void advance(int64_t seconds) { now_ = now_.addSeconds(seconds); }
    DateTime now() const { return now_; }

private:
    DateTime now_;
    Clock::Source previous_;
};

} // namespace Platform
