#include <gtest/gtest.h>

#include "ClockedSchedule.h"
#include "Plent/scheduling/UnlessCheck.h"
#include "SchedulingFixtures.h"

using namespace Plent;
using namespace SchedulingFixtures;

namespace {

using Rule = void (*)(CPlent&);
using Checks = std::vector<std::pair<DateTime, bool>>;

void window(CPlent& e, int16_t mode, int16_t from, int16_t to)
{
    e.setRetryMode(mode);
    e.setFrom(from);
    e.setTo(to);
}

// Each rule, on a daily event, with whether it holds at the times given.
struct UnlessCase {
    const char* rule;
    Rule make;
    Checks holds;
};

const std::vector<UnlessCase>& unlessCases()
{
    static const std::vector<UnlessCase> cases{
        {"an empty rule", [](CPlent&) {}, {{at(2026, 12, 24, 10), false}}},
        {"a missing rule, even outside a window",
         [](CPlent& e) {
             e.setUnless(nullptr);
             window(e, RetryMode::Minutes, 800, 900);
         },
         {{at(2026, 12, 24, 23), false}}},
        {"a day of every month, only in months that have it", [](CPlent& e) { excludeDay(e, 0, 31); },
         {{at(2026, 1, 31, 9), true}, {at(2026, 4, 30, 9), false}, {at(2026, 5, 1, 9), false}}},
        {"the last day under every month", [](CPlent& e) { excludeDay(e, 0, 32); },
         {{at(2026, 1, 31), true}, {at(1999, 2, 28), true}, {at(2000, 2, 29), true}, {at(2000, 4, 30, 23, 59), true},
          {at(2000, 2, 28), false}, {at(2000, 3, 30), false}}},
        {"the last day under February, common and leap years", [](CPlent& e) { excludeDay(e, 2, 32); },
         {{at(2001, 2, 28), true}, {at(2000, 2, 29), true}, {at(2100, 2, 28), true}, {at(2000, 2, 28), false},
          {at(2001, 1, 31), false}}},
        {"a day of one month, whatever the year", [](CPlent& e) { excludeDay(e, 12, 24); },
         {{at(2026, 12, 24, 18), true}, {at(1990, 12, 24), true}, {at(2026, 11, 24), false}}},
        {"weekdays counted from Sunday",
         [](CPlent& e) {
             excludeWeekDay(e, 1);
             excludeWeekDay(e, 7);
         },
         {{at(2026, 12, 6, 9), true}, {at(2026, 12, 7, 9), false}, {at(2026, 12, 12), true}}},
        {"entries numbered zero",
         [](CPlent& e) {
             excludeDay(e, 0, 24);
             e.Unless().Months().Item("0")->Days().Item("24")->setDay(0);
             excludeWeekDay(e, 5);
             e.Unless().WeekDays().Item("5")->setWeekDay(0);
         },
         {{at(2026, 12, 24), false}}},
        {"a day window, both ends inside", [](CPlent& e) { window(e, RetryMode::Minutes, 800, 1700); },
         {{at(2026, 5, 4, 7, 59), true}, {at(2026, 5, 4, 8, 0), false}, {at(2026, 5, 4, 17, 0, 59), false},
          {at(2026, 5, 4, 17, 1), true}}},
        {"a night window across midnight", [](CPlent& e) { window(e, RetryMode::Hours, 2200, 600); },
         {{at(2026, 5, 4, 23), false}, {at(2026, 5, 4, 5), false}, {at(2026, 5, 4, 22), false},
          {at(2026, 5, 4, 6), false}, {at(2026, 5, 4, 12), true}, {at(2026, 5, 4, 6, 1), true}}},
        {"no window with From and To 0", [](CPlent& e) { window(e, RetryMode::Minutes, 0, 0); },
         {{at(2026, 5, 4, 3), false}}},
        {"a window from 0 to 12:00", [](CPlent& e) { window(e, RetryMode::Minutes, 0, 1200); },
         {{at(2026, 5, 4, 0), false}, {at(2026, 5, 4, 12, 1), true}}},
    };
    return cases;
}

} // namespace

TEST(UnlessCheckTest, EachRuleHoldsExactlyWhereItSays)
{
    for (const auto& c : unlessCases()) {
        SCOPED_TRACE(c.rule);
        ClockedSchedule engine;
        const auto event = addEvent(engine, "e", RetryMode::Days, 1, at(2026, 1, 1));
        c.make(*event);
        for (const auto& [t, holds] : c.holds) {
            event->setNextStart(t.toDate());
            EXPECT_EQ(engine.CheckUnless(*event), holds) << t.toDate();
        }
    }
}

TEST(UnlessCheckTest, LastDayUnderAnyOtherMonthIsNotConsulted)
{
    ClockedSchedule engine;
    const auto event = addEvent(engine, "e", RetryMode::Days, 1, at(2026, 1, 1));
    excludeDay(*event, 4, 32);
    excludeDay(*event, 6, 31); // June has no 31st: stored, never holds
    for (DateTime d = at(2026, 4, 1); d < at(2026, 7, 1); d = d.addDays(1)) {
        event->setNextStart(d.toDate());
        EXPECT_FALSE(engine.CheckUnless(*event)) << d.toDate();
    }
}

TEST(UnlessCheckTest, AWindowCountsForMinutesAndHoursOnly)
{
    for (int16_t mode : {RetryMode::OncePerRun, RetryMode::Once, RetryMode::Days, RetryMode::Weeks, RetryMode::Months,
                         RetryMode::Years}) {
        ClockedSchedule engine;
        const auto event = addEvent(engine, "e", RetryMode::Days, 1, at(2026, 5, 4, 20));
        window(*event, mode, 800, 1700);
        EXPECT_FALSE(engine.CheckUnless(*event)) << mode;
    }
}

TEST(LastDayOfMonth, KnowsMonthLengthsAndLeapYears)
{
    EXPECT_EQ(UnlessCheck::LastDayOfMonth(date(2026, 1, 15)), 31);
    EXPECT_EQ(UnlessCheck::LastDayOfMonth(date(2026, 4, 30, 23, 59)), 30);
    EXPECT_EQ(UnlessCheck::LastDayOfMonth(date(2026, 2, 1)), 28);
    EXPECT_EQ(UnlessCheck::LastDayOfMonth(date(2024, 2, 1)), 29);
    EXPECT_EQ(UnlessCheck::LastDayOfMonth(date(1900, 2, 1)), 28);
    EXPECT_EQ(UnlessCheck::LastDayOfMonth(date(2000, 2, 1)), 29);
}
