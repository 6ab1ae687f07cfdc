#include <gtest/gtest.h>

#include "ClockedSchedule.h"
#include "Plent/scheduling/UnlessCheck.h"
#include "SchedulingFixtures.h"

using namespace Plent;
using namespace SchedulingFixtures;

namespace {

class UnlessCheckTest : public ::testing::Test {
protected:
    // Whether the rule of the event holds at t.
    bool holdsAt(DateTime t)
    {
        event->setNextStart(t.toDate());
        return engine.CheckUnless(*event);
    }

    ClockedSchedule engine;
    std::shared_ptr<CPlent> event = addEvent(engine, "e", RetryMode::Days, 1, at(2026, 1, 1));
};

} // namespace

TEST_F(UnlessCheckTest, AnEmptyRuleAndAMissingRuleNeverHold)
{
    EXPECT_FALSE(holdsAt(at(2026, 12, 24, 10)));
    event->setUnless(nullptr);
    event->setRetryMode(RetryMode::Minutes);
    event->setFrom(800);
    event->setTo(900);
    EXPECT_FALSE(holdsAt(at(2026, 12, 24, 23)));
}

TEST_F(UnlessCheckTest, DayOfEveryMonthHoldsOnlyInMonthsThatHaveIt)
{
    excludeDay(*event, 0, 31);
    EXPECT_TRUE(holdsAt(at(2026, 1, 31, 9)));
    EXPECT_FALSE(holdsAt(at(2026, 4, 30, 9)));
    EXPECT_FALSE(holdsAt(at(2026, 5, 1, 9)));
}

TEST_F(UnlessCheckTest, LastDayUnderEveryMonthHoldsOnEachMonthsLastDay)
{
    excludeDay(*event, 0, 32);
    EXPECT_TRUE(holdsAt(at(2026, 1, 31)));
    EXPECT_TRUE(holdsAt(at(1999, 2, 28)));
    EXPECT_TRUE(holdsAt(at(2000, 2, 29)));
    EXPECT_TRUE(holdsAt(at(2000, 4, 30, 23, 59)));
    EXPECT_FALSE(holdsAt(at(2000, 2, 28)));
    EXPECT_FALSE(holdsAt(at(2000, 3, 30)));
}

TEST_F(UnlessCheckTest, LastDayUnderFebruaryHoldsInCommonAndLeapYears)
{
    excludeDay(*event, 2, 32);
    EXPECT_TRUE(holdsAt(at(2001, 2, 28)));
    EXPECT_TRUE(holdsAt(at(2000, 2, 29)));
    EXPECT_TRUE(holdsAt(at(2100, 2, 28))); // no leap year
    EXPECT_FALSE(holdsAt(at(2000, 2, 28)));
    EXPECT_FALSE(holdsAt(at(2001, 1, 31)));
}

TEST_F(UnlessCheckTest, LastDayUnderAnyOtherMonthIsNotConsulted)
{
    excludeDay(*event, 4, 32);
    excludeDay(*event, 6, 31); // June has no 31st: stored, never holds
    for (DateTime d = at(2026, 4, 1); d < at(2026, 7, 1); d = d.addDays(1)) EXPECT_FALSE(holdsAt(d));
}

TEST_F(UnlessCheckTest, DayOfOneMonthHoldsInThatMonthOnly)
{
    excludeDay(*event, 12, 24);
    EXPECT_TRUE(holdsAt(at(2026, 12, 24, 18)));
    EXPECT_TRUE(holdsAt(at(1990, 12, 24))); // the year plays no part
    EXPECT_FALSE(holdsAt(at(2026, 11, 24)));
}

TEST_F(UnlessCheckTest, WeekdaysCountFromSunday)
{
    excludeWeekDay(*event, 1);
    EXPECT_TRUE(holdsAt(at(2026, 12, 6, 9)));  // Sunday
    EXPECT_FALSE(holdsAt(at(2026, 12, 7, 9))); // Monday
    excludeWeekDay(*event, 7);
    EXPECT_TRUE(holdsAt(at(2026, 12, 12))); // Saturday
}

TEST_F(UnlessCheckTest, EntriesWithNumberZeroDoNotCount)
{
    excludeDay(*event, 0, 24);
    event->Unless().Months().Item("0")->Days().Item("24")->setDay(0);
    excludeWeekDay(*event, 5);
    event->Unless().WeekDays().Item("5")->setWeekDay(0);
    EXPECT_FALSE(holdsAt(at(2026, 12, 24))); // a Thursday
}

TEST_F(UnlessCheckTest, DayTimeWindowIncludesBothEnds)
{
    event->setRetryMode(RetryMode::Minutes);
    event->setFrom(800);
    event->setTo(1700);
    EXPECT_TRUE(holdsAt(at(2026, 5, 4, 7, 59)));
    EXPECT_FALSE(holdsAt(at(2026, 5, 4, 8, 0)));
    EXPECT_FALSE(holdsAt(at(2026, 5, 4, 17, 0, 59)));
    EXPECT_TRUE(holdsAt(at(2026, 5, 4, 17, 1)));
}

TEST_F(UnlessCheckTest, NightWindowRunsAcrossMidnight)
{
    event->setRetryMode(RetryMode::Hours);
    event->setFrom(2200);
    event->setTo(600);
    EXPECT_FALSE(holdsAt(at(2026, 5, 4, 23)));
    EXPECT_FALSE(holdsAt(at(2026, 5, 4, 5)));
    EXPECT_FALSE(holdsAt(at(2026, 5, 4, 22)));
    EXPECT_FALSE(holdsAt(at(2026, 5, 4, 6)));
    EXPECT_TRUE(holdsAt(at(2026, 5, 4, 12)));
    EXPECT_TRUE(holdsAt(at(2026, 5, 4, 6, 1)));
}

TEST_F(UnlessCheckTest, WindowNeedsFromOrToAboveZero)
{
    event->setRetryMode(RetryMode::Minutes);
    EXPECT_FALSE(holdsAt(at(2026, 5, 4, 3)));
    event->setTo(1200); // From 0: 00:00 to 12:00
    EXPECT_FALSE(holdsAt(at(2026, 5, 4, 0)));
    EXPECT_TRUE(holdsAt(at(2026, 5, 4, 12, 1)));
}

TEST_F(UnlessCheckTest, WindowCountsForMinutesAndHoursOnly)
{
    event->setFrom(800);
    event->setTo(1700);
    for (int16_t mode : {RetryMode::OncePerRun, RetryMode::Once, RetryMode::Days, RetryMode::Weeks, RetryMode::Months,
                         RetryMode::Years}) {
        event->setRetryMode(mode);
        EXPECT_FALSE(holdsAt(at(2026, 5, 4, 20))) << mode;
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
