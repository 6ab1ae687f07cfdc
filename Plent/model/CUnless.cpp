#include "CUnless.h"

namespace Plent {

colMonths& CUnless::Months() { return *MonthsRef(); }

std::shared_ptr<colMonths> CUnless::MonthsRef()
{
    if (!months_) months_ = std::make_shared<colMonths>();
    return months_;
}

colWeekDays& CUnless::WeekDays() { return *WeekDaysRef(); }

std::shared_ptr<colWeekDays> CUnless::WeekDaysRef()
{
    if (!weekDays_) weekDays_ = std::make_shared<colWeekDays>();
    return weekDays_;
}

} // namespace Plent
