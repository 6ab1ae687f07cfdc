#pragma once
#include <string>

namespace Plent {

// Which test of an unless rule held at a moment, and on which element: the
// day of every month, the last day of every month, a month's day, the last
// day of February, a weekday (1 = Sunday), the daily time window, or a date
// of the fixed-date table with the comment of its line.
struct UnlessHit {
    enum class Test { None, EveryMonthDay, EveryMonthLastDay, MonthDay, FebruaryLastDay, WeekDay, TimeWindow, Table };

    Test test = Test::None;
    int month = 0;
    int day = 0;
    int weekDay = 0;
    // The window's From and To, for Test::TimeWindow.
    int from = 0;
    int to = 0;
    // The table line's comment, for Test::Table.
    std::string comment = {};
};

} // namespace Plent
