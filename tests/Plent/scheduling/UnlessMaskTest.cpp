#include <gtest/gtest.h>

#include <random>
#include <string>
#include <utility>

#include "Plent/model/CUnless.h"
#include "Plent/scheduling/Schedule.h"
#include "Plent/scheduling/UnlessMask.h"
#include "SchedulingFixtures.h"

using namespace Plent;
using namespace SchedulingFixtures;

namespace {

// The calendar tests as the collections answer them, entry by entry.
bool hasDay(CMonth& month, int day)
{
    const auto entry = month.Days().Item(std::to_string(day));
    return entry && entry->Day() != 0;
}

bool lookedUp(CUnless& rule, DateTime at)
{
    const Platform::CivilDateTime c = at.civil();
    const bool lastDay = c.day == at.lastDayOfMonth();
    const auto every = rule.Months().Item("0");
    if (every && (hasDay(*every, c.day) || (lastDay && hasDay(*every, 32)))) return true;
    const auto month = rule.Months().Item(std::to_string(c.month));
    if (month && (hasDay(*month, c.day) || (lastDay && c.month == 2 && hasDay(*month, 32)))) return true;
    const auto weekDay = rule.WeekDays().Item(std::to_string(at.weekday()));
    return weekDay && weekDay->WeekDay() != 0;
}

// A rule of a few random entries, among them keys the look-ups never ask
// for ("07", "33") and entries whose number is 0.
void fillRandomly(CUnless& rule, std::mt19937& random)
{
    const auto pick = [&random](int first, int last) { return std::uniform_int_distribution<int>(first, last)(random); };
    for (int i = pick(0, 3); i > 0; --i) {
        const std::string key = pick(0, 9) == 0 ? "0" + std::to_string(pick(1, 9)) : std::to_string(pick(0, 12));
        auto month = rule.Months().Item(key);
        if (!month) month = rule.Months().Add(std::make_shared<CMonth>(), key);
        for (int d = pick(0, 4); d > 0; --d) {
            const int day = pick(0, 6) == 0 ? 32 : pick(1, 33);
            if (!month->Days().Item(std::to_string(day)))
                month->Days().Add(std::make_shared<CDay>(), std::to_string(day))->setDay(static_cast<int16_t>(pick(0, 9) ? day : 0));
        }
    }
    for (int i = pick(0, 2); i > 0; --i) {
        const int weekDay = pick(1, 8);
        if (!rule.WeekDays().Item(std::to_string(weekDay)))
            rule.WeekDays().Add(std::make_shared<CWeekDay>(), std::to_string(weekDay))->setWeekDay(static_cast<int16_t>(pick(0, 5) ? weekDay : 0));
    }
    rule.setFromTable(pick(0, 1) == 1);
}

} // namespace

TEST(UnlessMask, AgreesWithTheCollectionLookUpsOnEveryDayOfALeapAndACommonYear)
{
    std::mt19937 random(1313);
    for (int trial = 0; trial < 200; ++trial) {
        CUnless rule;
        fillRandomly(rule, random);
        const UnlessMask mask = UnlessMask::of(rule);
        EXPECT_EQ(mask.fromTable(), rule.FromTable());
        for (const int year : {2024, 2023}) {
            for (DateTime day = at(year, 1, 1); day < at(year + 1, 1, 1); day = day.addDays(1)) {
                ASSERT_EQ(mask.calendarHolds(day.addHours(13)), lookedUp(rule, day)) << "trial " << trial << " on " << ::testing::PrintToString(day);
            }
        }
    }
}

// The schedule keeps the masks of its rules; whatever is changed through
// its events is seen by the next check.
TEST(UnlessMask, TheScheduleFollowsEveryChangeToARule)
{
    Schedule schedule(nullptr);
    schedule.Events().Add(std::make_shared<CPlent>(), "e");
    const auto rule = [&]() -> CUnless& { return schedule.Events().Item("e")->Unless(); };
    const auto holdsOn = [&](DateTime day) {
        const auto e = std::as_const(schedule).Events().Item("e");
        e->setNextStart(day.addHours(13).toDate());
        return schedule.checkUnless(*e, day);
    };
    EXPECT_FALSE(holdsOn(at(2024, 2, 29)));
    rule().Months().Add(std::make_shared<CMonth>(), "2")->Days().Add(std::make_shared<CDay>(), "32");
    EXPECT_FALSE(holdsOn(at(2024, 2, 29)));
    rule().Months().Item("2")->Days().Item("32")->setDay(32);
    EXPECT_TRUE(holdsOn(at(2024, 2, 29)));
    EXPECT_FALSE(holdsOn(at(2023, 2, 28).addDays(-1)));
    rule().Months().Item("2")->Days().Remove("32");
    EXPECT_FALSE(holdsOn(at(2024, 2, 29)));
    rule().WeekDays().Add(std::make_shared<CWeekDay>(), "1")->setWeekDay(1);
    EXPECT_TRUE(holdsOn(at(2026, 12, 6))); // a Sunday
    rule().setFromTable(true);
    EXPECT_TRUE(UnlessMask::of(rule()).fromTable());
}
