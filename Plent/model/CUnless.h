#pragma once
#include <cstdint>
#include <memory>

#include "colMonths.h"
#include "colWeekDays.h"

namespace Plent {

// The calendar days on which an event must not start: days of every month,
// days of particular months, weekdays, and the dates of the fixed table.
class CUnless {
public:
    static constexpr const char* ClassName = "CUnless";

    bool FromTable() const { return fromTable_; }
    void setFromTable(bool fromTable) { fromTable_ = fromTable; }

    // Both collections are created empty on first use; to read, a rule
    // without them has none.
    colMonths& Months();
    const colMonths& Months() const;
    std::shared_ptr<colMonths> MonthsRef();
    void setMonths(std::shared_ptr<colMonths> months) { months_ = std::move(months); }
    colWeekDays& WeekDays();
    const colWeekDays& WeekDays() const;
    std::shared_ptr<colWeekDays> WeekDaysRef();
    void setWeekDays(std::shared_ptr<colWeekDays> weekDays) { weekDays_ = std::move(weekDays); }

    // Its section of the event file.
    void Save(CLoadSaveObject& stream);
    void Load(CLoadSaveObject& stream);

private:
    bool fromTable_ = false;
    std::shared_ptr<colMonths> months_;
    std::shared_ptr<colWeekDays> weekDays_;
};

} // namespace Plent
