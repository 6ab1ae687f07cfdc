#include "UnlessCheck.h"

#include "TimeWindow.h"

namespace Plent {

UnlessCheck::Reason UnlessCheck::firstHolding(const CPlent& event, Platform::DateTime at, UnlessHit* hit) const
{
    const std::shared_ptr<CUnless> rule = event.UnlessRef();
    if (!rule) return Reason::None;
    UnlessMask built;
    const UnlessMask& mask = masks_ ? masks_->of(rule) : (built = UnlessMask::of(*rule));
    if (!hit) {
        if (mask.calendarHolds(at)) return Reason::Calendar;
    } else if ((*hit = mask.calendarHit(at)).test != UnlessHit::Test::None) {
        return Reason::Calendar;
    }
    if (timeWindowHolds(event, at)) {
        if (hit) *hit = {UnlessHit::Test::TimeWindow, 0, 0, 0, event.From(), event.To(), {}};
        return Reason::TimeWindow;
    }
    if (mask.fromTable() && table_.contains(at.toDate())) {
        if (hit) *hit = {UnlessHit::Test::Table, 0, 0, 0, 0, 0, table_.comment(at.toDate())};
        return Reason::Table;
    }
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
