#pragma once
#include <cstdint>
#include <optional>

#include "Platform/dates/DateTime.h"

namespace Plent {

// The repetition grid of an event: Retry units of its RetryMode (minutes to
// years, Retry 1 or more) from one point to the next. Minutes to weeks are a
// fixed number of seconds, so any point can be reached at once. Months and
// years are calendar additions counted from the previous point: a day clamped
// at the end of a short month stays clamped (31 Jan, 28 Feb, 28 Mar).
class RepetitionGrid {
public:
    RepetitionGrid(int16_t retryMode, int16_t retry);

    // The last moment a stored date holds; no grid point lies beyond it.
    static const Platform::DateTime End;

    bool fixedStep() const { return stepSeconds_ > 0; }
    int64_t stepSeconds() const { return stepSeconds_; }

    // The point after p, or nothing beyond End.
    std::optional<Platform::DateTime> next(Platform::DateTime p) const;
    // The first point later than t, at least one step after anchor.
    std::optional<Platform::DateTime> firstAfter(Platform::DateTime anchor, Platform::DateTime t) const;
    // Fixed-step grids only: the first point at or after t, for a t later
    // than anchor.
    std::optional<Platform::DateTime> firstAtOrAfter(Platform::DateTime anchor, Platform::DateTime t) const;

    // The point before p, counted back from p (for calendar grids a day
    // clamped on the way forward is not restored), or nothing before year 100.
    std::optional<Platform::DateTime> previous(Platform::DateTime p) const;
    // The last point at or before t, counted from anchor forward or back.
    std::optional<Platform::DateTime> lastAtOrBefore(Platform::DateTime anchor, Platform::DateTime t) const;

private:
    std::optional<Platform::DateTime> point(Platform::DateTime anchor, int64_t steps) const;

    int64_t stepSeconds_ = 0;
    int64_t stepMonths_ = 0;
};

} // namespace Plent
