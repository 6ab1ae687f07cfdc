#include "UnlessCheck.h"

#include <string>

#include "CPlentEngine.h"
#include "TimeWindow.h"

namespace Plent {

namespace {

constexpr int LastDayKey = 32;
constexpr int February = 2;

bool hasDay(CMonth& month, int day)
{
    const auto entry = month.Days().Item(std::to_string(day));
    return entry && entry->Day() != 0;
}

// A month entry holds on its days; "every month" also on the last day, and
// February alone on its own last day.
bool monthHolds(CMonth& month, int day, bool lastDay, bool lastDayCounts)
{
    return hasDay(month, day) || (lastDay && lastDayCounts && hasDay(month, LastDayKey));
}

} // namespace

UnlessCheck::Reason UnlessCheck::firstHolding(const CPlent& event, Platform::DateTime at) const
{
    const std::shared_ptr<CUnless> rule = event.UnlessRef();
    if (!rule) return Reason::None;
    if (calendarHolds(*rule, at)) return Reason::Calendar;
    if (timeWindowHolds(event, at)) return Reason::TimeWindow;
    if (rule->FromTable() && engine_.UnlessFromTable(engine_.UnlessTable(), at.toDate())) return Reason::Table;
    return Reason::None;
}

bool UnlessCheck::calendarHolds(CUnless& rule, Platform::DateTime at)
{
    const Platform::CivilDateTime c = at.civil();
    const bool lastDay = c.day == at.lastDayOfMonth();
    if (const auto every = rule.Months().Item("0"); every && monthHolds(*every, c.day, lastDay, true)) return true;
    if (const auto month = rule.Months().Item(std::to_string(c.month));
        month && monthHolds(*month, c.day, lastDay, c.month == February))
        return true;
    const auto weekDay = rule.WeekDays().Item(std::to_string(at.weekday()));
    return weekDay && weekDay->WeekDay() != 0;
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
