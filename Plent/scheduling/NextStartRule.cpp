#include "NextStartRule.h"

#include <algorithm>
#include <cmath>

#include "TimeWindow.h"

namespace Plent {

using Platform::DateTime;
using Reason = UnlessCheck::Reason;
using Rule = StartTrace::Rule;
using End = StartTrace::End;

void NextStartRule::advance(CPlent& event, DateTime now) const
{
    const int16_t mode = event.RetryMode();
    if (mode == RetryMode::OncePerRun || mode == RetryMode::Once) return;
    if (mode < RetryMode::OncePerRun || mode > RetryMode::Years) {
        finish(End::BadRetryMode, DateTime::fromDate(event.NextStart()));
        return event.setFinished(true);
    }
    if (std::nearbyint(event.RegularStart()) == 0) event.setRegularStart(event.NextStart());

    const DateTime horizon = std::min(now.addYears(SearchYears), RepetitionGrid::End);
    DateTime start = DateTime::fromDate(event.NextStart());
    std::optional<DateTime> gridPoint;
    if (start <= now) {
        gridPoint = nextOnGrid(event, DateTime::fromDate(event.RegularStart()), now, horizon);
        if (!gridPoint) return event.setFinished(true);
        start = *gridPoint;
    }
    std::optional<DateTime> moved;
    if (event.MoveToNextDay()) {
        moved = movedToFreeDay(event, start, horizon);
        if (!moved) return event.setFinished(true);
    }
    if (gridPoint) {
        event.setRegularStart(gridPoint->toDate());
        event.setNextStart(gridPoint->toDate());
    }
    if (moved && *moved != start) event.setNextStart(moved->toDate());
}

// The grid point before that one is made the last start passed, and the
// event advanced from there as after a hand-out.
void NextStartRule::rewind(CPlent& event, DateTime now) const
{
    const RepetitionGrid grid(event.RetryMode(), event.Retry());
    const Date anchor = std::nearbyint(event.RegularStart()) == 0 ? event.NextStart() : event.RegularStart();
    const auto first = grid.firstAtOrAfter(DateTime::fromDate(anchor), now);
    if (!first) return;
    const Date passed = first->addSeconds(-grid.stepSeconds()).toDate();
    event.setRegularStart(passed);
    event.setNextStart(passed);
    advance(event, now.addSeconds(-1));
}

std::optional<DateTime> NextStartRule::nextOnGrid(const CPlent& event, DateTime anchor, DateTime now,
                                                  DateTime horizon) const
{
    if (event.Retry() <= 0) return finish(End::NoRetry, anchor);
    const RepetitionGrid grid(event.RetryMode(), event.Retry());
    const auto first = grid.firstAfter(anchor, now);
    if (!first) return finish(End::PastLastDate, anchor);
    note(Rule::GridPoint, anchor, first);
    // Grid points up to now are passed whether the rule holds on them or not.
    if (event.MoveToNextDay()) return first;
    return firstNotExcluded(event, grid, anchor, *first, horizon);
}

std::optional<DateTime> NextStartRule::firstNotExcluded(const CPlent& event, const RepetitionGrid& grid,
                                                        DateTime anchor, DateTime from, DateTime horizon) const
{
    DateTime candidate = from;
    for (;;) {
        UnlessHit hit;
        const Reason reason = holding(event, candidate, hit);
        if (reason == Reason::None) return candidate;
        const auto next = grid.fixedStep() ? pastExclusion(event, grid, anchor, candidate, reason) : grid.next(candidate);
        note(Rule::Skipped, candidate, next, hit);
        if (!next) return finish(reason == Reason::TimeWindow ? End::WindowShutsOut : End::PastLastDate, candidate);
        const DateTime lastPassed = grid.fixedStep() ? next->addSeconds(-grid.stepSeconds()) : candidate;
        if (lastPassed > horizon) return finish(End::SearchBound, *next);
        candidate = *next;
    }
}

// The first grid point that may lie outside the exclusion found at excluded:
// the calendar tests and the table hold for the whole day, the time window
// until it opens again.
std::optional<DateTime> NextStartRule::pastExclusion(const CPlent& event, const RepetitionGrid& grid, DateTime anchor,
                                                     DateTime excluded, Reason reason) const
{
    if (reason != Reason::TimeWindow) return grid.firstAtOrAfter(anchor, excluded.dateOnly().addDays(1));
    const auto wait = TimeWindow(event.From(), event.To()).secondsUntilOpen(excluded.secondOfDay());
    if (!wait) return std::nullopt;
    return grid.firstAtOrAfter(anchor, excluded.addSeconds(*wait));
}

std::optional<DateTime> NextStartRule::movedToFreeDay(const CPlent& event, DateTime start, DateTime horizon) const
{
    DateTime day = start;
    for (;;) {
        UnlessHit hit;
        const Reason reason = holding(event, day, hit);
        if (reason == Reason::None) return day;
        // Whole days keep the time of day, which the window shuts out.
        if (reason == Reason::TimeWindow) {
            note(Rule::Moved, day, std::nullopt, hit);
            return finish(End::WindowShutsOut, day);
        }
        note(Rule::Moved, day, day.addDays(1), hit);
        day = day.addDays(1);
        if (day > horizon) return finish(End::SearchBound, day);
    }
}

// Only a trace wants to know which element held.
Reason NextStartRule::holding(const CPlent& event, DateTime at, UnlessHit& hit) const
{
    return unless_.firstHolding(event, at, trace_ ? &hit : nullptr);
}

void NextStartRule::note(Rule rule, DateTime before, std::optional<DateTime> after, const UnlessHit& hit) const
{
    if (trace_) trace_->add({rule, before, after, hit});
}

std::nullopt_t NextStartRule::finish(End end, DateTime at) const
{
    if (trace_) trace_->add({Rule::Finished, at, std::nullopt, {}, end});
    return std::nullopt;
}

} // namespace Plent
