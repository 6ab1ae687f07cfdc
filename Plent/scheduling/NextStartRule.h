#pragma once
#include <optional>

#include "Plent/model/CPlent.h"
#include "RepetitionGrid.h"
#include "StartTrace.h"
#include "UnlessCheck.h"

namespace Plent {

// Moves an event's next start on to the next point of its repetition grid,
// anchored at RegularStart: the first grid point after now on which the
// unless rule does not hold, or with MoveToNextDay the first grid point after
// now, moved on by whole days until the rule no longer holds there (leaving
// RegularStart on the grid point).
//
// Missed grid points are passed over arithmetically, whole excluded days and
// closed hours of the daily time window at once, so the cost does not grow
// with the length of a pause. An event that has no such start finishes: a
// Retry of 0 or less, a grid that runs past the last storable date, or a rule
// that still holds after the search has passed SearchYears years from now
// (a daily time window that shuts out the start's time of day together with
// MoveToNextDay can never let it through). Its dates then stay as they were.
// Now is the caller's: one reading of the clock serves a whole operation.
// Given a trace, the rule writes down each of its decisions there.
class NextStartRule {
public:
    static constexpr int SearchYears = 400;

    explicit NextStartRule(ExceptionDates& table, StartTrace* trace = nullptr, UnlessMasks* masks = nullptr)
        : unless_(table, masks), trace_(trace)
    {
    }

    void advance(CPlent& event, Platform::DateTime now) const;
    // An event on a grid of minutes or hours after the clock went back to
    // now: its next start becomes the first grid point at or after now on
    // which the rule lets it start.
    void rewind(CPlent& event, Platform::DateTime now) const;

private:
    using DateTime = Platform::DateTime;

    std::optional<DateTime> nextOnGrid(const CPlent& event, DateTime anchor, DateTime now, DateTime horizon) const;
    std::optional<DateTime> firstNotExcluded(const CPlent& event, const RepetitionGrid& grid, DateTime anchor,
                                             DateTime from, DateTime horizon) const;
    std::optional<DateTime> pastExclusion(const CPlent& event, const RepetitionGrid& grid, DateTime anchor,
                                          DateTime excluded, UnlessCheck::Reason reason) const;
    std::optional<DateTime> movedToFreeDay(const CPlent& event, DateTime start, DateTime horizon) const;
    UnlessCheck::Reason holding(const CPlent& event, DateTime at, UnlessHit& hit) const;
    void note(StartTrace::Rule rule, DateTime before, std::optional<DateTime> after, const UnlessHit& hit = {}) const;
    std::nullopt_t finish(StartTrace::End end, DateTime at) const;

    UnlessCheck unless_;
    StartTrace* trace_;
};

} // namespace Plent
