#include "ClockSetBack.h"

#include "NextStartRule.h"
#include "RepetitionGrid.h"
#include "Platform/automation/AutomationError.h"

namespace Plent {

using Platform::DateTime;

namespace {

bool inStrideBefore(const CPlent& event, DateTime now)
{
    const int16_t mode = event.RetryMode();
    if ((mode != RetryMode::Minutes && mode != RetryMode::Hours) || event.Retry() <= 0) return false;
    if (event.Finished() || event.Status() == Status::Stopped) return false;
    const RepetitionGrid grid(mode, event.Retry());
    return DateTime::fromDate(event.LastStart()) > now &&
           DateTime::fromDate(event.NextStart()) > now.addSeconds(grid.stepSeconds());
}

} // namespace

bool ClockSetBack::seen(const colPlents& events, DateTime now, ExceptionDates& table)
{
    const bool wentBack = last_ && now < *last_;
    last_ = now;
    if (!wentBack) return false;
    const NextStartRule rule(table);
    for (const auto& event : events) {
        if (!inStrideBefore(*event, now)) continue;
        // An event whose table cannot be read is left due; its hand-out holds it.
        try {
            rule.rewind(*event, now);
        } catch (const Platform::AutomationError&) {
        }
    }
    return true;
}

} // namespace Plent
