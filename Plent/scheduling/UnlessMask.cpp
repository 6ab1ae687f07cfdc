#include "UnlessMask.h"

#include <charconv>
#include <optional>
#include <string>

#include "Plent/model/CUnless.h"

namespace Plent {

namespace {

// The number whose own key (its decimal form, as the look-ups write it) is
// key, within first..last.
std::optional<int> numberOfKey(const std::string& key, int first, int last)
{
    int n = 0;
    const auto [end, error] = std::from_chars(key.data(), key.data() + key.size(), n);
    if (error != std::errc() || end != key.data() + key.size() || n < first || n > last) return std::nullopt;
    if (std::to_string(n) != key) return std::nullopt;
    return n;
}

uint64_t dayBits(CMonth& month)
{
    uint64_t bits = 0;
    for (const auto& day : month.Days()) {
        const auto n = numberOfKey(day->Key(), 1, UnlessMask::LastDay);
        if (n && day->Day() != 0) bits |= uint64_t{1} << *n;
    }
    return bits;
}

template <class Months>
bool anyDay(const Months& months)
{
    uint64_t bits = 0;
    for (const uint64_t month : months) bits |= month;
    return bits != 0;
}

} // namespace

UnlessMask UnlessMask::of(CUnless& rule)
{
    UnlessMask mask;
    mask.fromTable_ = rule.FromTable();
    for (const auto& month : rule.Months()) {
        if (const auto n = numberOfKey(month->Key(), EveryMonth, 12)) mask.months_[static_cast<size_t>(*n)] = dayBits(*month);
    }
    for (const auto& weekDay : rule.WeekDays()) {
        const auto n = numberOfKey(weekDay->Key(), 1, 7);
        if (n && weekDay->WeekDay() != 0) mask.weekDays_ |= 1u << *n;
    }
    return mask;
}

bool UnlessMask::empty() const { return !anyDay(months_) && weekDays_ == 0 && !fromTable_; }

// Most rules hold on no day of the calendar: those need no calendar date.
UnlessHit UnlessMask::calendarHit(Platform::DateTime at) const
{
    using Test = UnlessHit::Test;
    if (!anyDay(months_) && weekDays_ == 0) return {};
    const Platform::CivilDateTime c = at.civil();
    const bool lastDay = c.day == at.lastDayOfMonth();
    if (const Test test = monthHit(EveryMonth, c.day, lastDay); test != Test::None) return {.test = test, .month = EveryMonth, .day = c.day};
    if (const Test test = monthHit(c.month, c.day, lastDay); test != Test::None) return {.test = test, .month = c.month, .day = c.day};
    if (weekDay(at.weekday())) return {.test = Test::WeekDay, .weekDay = at.weekday()};
    return {};
}

UnlessHit::Test UnlessMask::monthHit(int month, int dayOfMonth, bool lastDay) const
{
    using Test = UnlessHit::Test;
    const bool every = month == EveryMonth;
    if (day(month, dayOfMonth)) return every ? Test::EveryMonthDay : Test::MonthDay;
    if (!lastDay || !(every || month == February) || !day(month, LastDay)) return Test::None;
    return every ? Test::EveryMonthLastDay : Test::FebruaryLastDay;
}

} // namespace Plent
