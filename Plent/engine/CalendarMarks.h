#pragma once
#include <array>
#include <span>

#include "Plent/scheduling/UnlessMask.h"

namespace Plent {

// The marks of the editor's calendar grids: True means the unless rule holds
// on that item. Each table is indexed from 0 by the number of its grid
// cell; index 0 belongs to no cell.
class CalendarMarks {
public:
    static constexpr int LastDay = UnlessMask::LastDay; // the cell "X": the last day of a month
    static constexpr int FromTable = 8;   // the weekday grid's row "from table"

    // Days 1..31 and 32 of every month; a day outside 0..32 is an index error.
    bool DaySelected(int day) const;
    void setDaySelected(int day, bool selected);
    // Rows 1 Monday .. 7 Sunday, 8 "from table"; outside 0..8 an index error.
    bool WeekDaySelected(int row) const;
    void setWeekDaySelected(int row, bool selected);
    // The days of month 1..12; a day outside 0..32 is an index error, a
    // month outside 1..12 reads False and writes nothing.
    bool MonthDaySelected(int month, int day) const;
    void setMonthDaySelected(int month, int day, bool selected);

    // The tables themselves, as the grids paint and mark them.
    std::span<bool> days() { return days_; }
    std::span<bool> weekDays() { return weekDays_; }
    std::span<bool> monthDays(int month) { return monthDays_.at(static_cast<size_t>(month)); }

    bool operator==(const CalendarMarks&) const = default;

private:
    std::array<bool, 33> days_{};
    std::array<bool, 9> weekDays_{};
    std::array<std::array<bool, 33>, 13> monthDays_{};
};

} // namespace Plent
