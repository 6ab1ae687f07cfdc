#include "CUnless.h"

#include "FileSection.h"

namespace Plent {

colMonths& CUnless::Months() { return *MonthsRef(); }

const colMonths& CUnless::Months() const
{
    static const colMonths none;
    return months_ ? *months_ : none;
}

std::shared_ptr<colMonths> CUnless::MonthsRef()
{
    if (!months_) months_ = std::make_shared<colMonths>();
    return months_;
}

colWeekDays& CUnless::WeekDays() { return *WeekDaysRef(); }

const colWeekDays& CUnless::WeekDays() const
{
    static const colWeekDays none;
    return weekDays_ ? *weekDays_ : none;
}

std::shared_ptr<colWeekDays> CUnless::WeekDaysRef()
{
    if (!weekDays_) weekDays_ = std::make_shared<colWeekDays>();
    return weekDays_;
}

// Always with both collection sections, even empty ones.
void CUnless::Save(CLoadSaveObject& stream)
{
    stream.WriteHEADER(ClassName, 0);
    FileSection::WriteBoolean(stream, fromTable_);
    Months().Save(stream);
    WeekDays().Save(stream);
}

// The collections may come in either order, each as often as it comes.
void CUnless::Load(CLoadSaveObject& stream)
{
    if (!FileSection::Begin(stream, ClassName)) return;
    fromTable_ = FileSection::ReadBoolean(stream);
    bool withMonths = false, withWeekDays = false;
    for (std::string next; FileSection::Peek(stream, next);) {
        if (next == colMonths::ClassName) {
            Months().Load(stream);
            withMonths = true;
        } else if (next == colWeekDays::ClassName) {
            WeekDays().Load(stream);
            withWeekDays = true;
        } else {
            break;
        }
    }
    FileSection::Require(stream, withMonths && withWeekDays);
}

} // namespace Plent
