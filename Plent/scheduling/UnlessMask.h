#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

#include "Platform/dates/DateTime.h"
#include "UnlessHit.h"

namespace Plent {

class CUnless;

// An unless rule's calendar as bits, built once from its collections: the
// days of every month, the days of each month, the weekdays and the
// from-table flag. Day 32 stands for the last day of a month; it counts
// in every month for the rule of every month, and of the month entries only
// in February's. An entry counts when it is filed under its number's own key
// and its value is not 0, as the collections are looked up.
class UnlessMask {
public:
    static constexpr int LastDay = 32;
    static constexpr int EveryMonth = 0;
    static constexpr int February = 2;

    UnlessMask() = default;
    static UnlessMask of(CUnless& rule);

    // month 0 is every month; day 1..32.
    bool day(int month, int day) const { return (months_[static_cast<std::size_t>(month)] >> day) & 1u; }
    // 1 = Sunday .. 7 = Saturday.
    bool weekDay(int weekDay) const { return (weekDays_ >> weekDay) & 1u; }
    bool fromTable() const { return fromTable_; }
    bool empty() const;

    // Whether the rule's calendar tests (every month, this month, weekday)
    // hold on the day of at.
    bool calendarHolds(Platform::DateTime at) const { return calendarHit(at).test != UnlessHit::Test::None; }
    // The first of those tests that holds, and its element.
    UnlessHit calendarHit(Platform::DateTime at) const;

private:
    UnlessHit::Test monthHit(int month, int dayOfMonth, bool lastDay) const;

    std::array<uint64_t, 13> months_{};
    uint32_t weekDays_ = 0;
    bool fromTable_ = false;
};

} // namespace Plent
