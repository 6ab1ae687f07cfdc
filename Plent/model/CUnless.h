#pragma once
#include <cstdint>
#include <memory>
#include <optional>

#include "colMonths.h"
#include "ModelRevision.h"
#include "colWeekDays.h"
#include "Plent/scheduling/UnlessMask.h"

namespace Plent {

// The calendar days on which an event must not start: days of every month,
// days of particular months, weekdays, and the dates of the fixed table.
class CUnless {
public:
    static constexpr const char* ClassName = "CUnless";

    bool FromTable() const { return fromTable_; }
    void setFromTable(bool fromTable)
    {
        fromTable_ = fromTable;
        ModelRevision::ruleChanged();
    }

    // Both collections are created empty on first use.
    colMonths& Months();
    std::shared_ptr<colMonths> MonthsRef();
    void setMonths(std::shared_ptr<colMonths> months)
    {
        months_ = std::move(months);
        ModelRevision::ruleChanged();
    }
    colWeekDays& WeekDays();
    std::shared_ptr<colWeekDays> WeekDaysRef();
    void setWeekDays(std::shared_ptr<colWeekDays> weekDays)
    {
        weekDays_ = std::move(weekDays);
        ModelRevision::ruleChanged();
    }

    // The rule's calendar as bits, built again after any change to a rule.
    const UnlessMask& Mask();

    // Its section of the event file.
    void Save(CLoadSaveObject& stream);
    void Load(CLoadSaveObject& stream);

private:
    bool fromTable_ = false;
    std::shared_ptr<colMonths> months_;
    std::shared_ptr<colWeekDays> weekDays_;
    std::optional<UnlessMask> mask_;
    uint64_t maskRevision_ = 0;
};

} // namespace Plent
