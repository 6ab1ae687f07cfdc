#include "UnlessCheck.h"

#include "TimeWindow.h"

namespace Plent {

UnlessCheck::Reason UnlessCheck::firstHolding(const CPlent& event, Platform::DateTime at) const
{
    const std::shared_ptr<CUnless> rule = event.UnlessRef();
    if (!rule) return Reason::None;
    const UnlessMask& mask = rule->Mask();
    if (mask.calendarHolds(at)) return Reason::Calendar;
    if (timeWindowHolds(event, at)) return Reason::TimeWindow;
    if (mask.fromTable() && table_.contains(at.toDate())) return Reason::Table;
    return Reason::None;
}

bool UnlessCheck::timeWindowHolds(const CPlent& event, Platform::DateTime at)
{
    if (event.RetryMode() != RetryMode::Minutes && event.RetryMode() != RetryMode::Hours) return false;
    return TimeWindow(event.From(), event.To()).excludes(at.hhmm());
}

int16_t UnlessCheck::LastDayOfMonth(Date date)
{
    return static_cast<int16_t>(Platform::DateTime::fromDate(date).lastDayOfMonth());
}

} // namespace Plent
