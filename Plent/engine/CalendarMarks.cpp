#include "CalendarMarks.h"

#include "Platform/automation/AutomationError.h"
#include "Platform/automation/RuntimeError.h"

namespace Plent {

namespace {

size_t checked(int index, size_t size)
{
    if (index < 0 || static_cast<size_t>(index) >= size)
        Platform::Raise(Platform::Err::SubscriptOutOfRange, "frmPlent");
    return static_cast<size_t>(index);
}

bool isMonth(int month) { return month >= 1 && month <= 12; }

} // namespace

bool CalendarMarks::DaySelected(int day) const { return days_[checked(day, days_.size())]; }

void CalendarMarks::setDaySelected(int day, bool selected) { days_[checked(day, days_.size())] = selected; }

bool CalendarMarks::WeekDaySelected(int row) const { return weekDays_[checked(row, weekDays_.size())]; }

void CalendarMarks::setWeekDaySelected(int row, bool selected)
{
    weekDays_[checked(row, weekDays_.size())] = selected;
}

bool CalendarMarks::MonthDaySelected(int month, int day) const
{
    const size_t d = checked(day, days_.size());
    return isMonth(month) && monthDays_[static_cast<size_t>(month)][d];
}

void CalendarMarks::setMonthDaySelected(int month, int day, bool selected)
{
    const size_t d = checked(day, days_.size());
    if (isMonth(month)) monthDays_[static_cast<size_t>(month)][d] = selected;
}

} // namespace Plent
