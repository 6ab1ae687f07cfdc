#include <gtest/gtest.h>

#include "ClockedSchedule.h"
#include "SchedulingFixtures.h"
#include "Platform/dates/Clock.h"

using namespace Plent;
using namespace SchedulingFixtures;

namespace {

class NextStartTest : public ::testing::Test {
protected:
    std::shared_ptr<CPlent> event(int16_t mode, int16_t retry, DateTime start)
    {
        return addEvent(engine, "e" + std::to_string(engine.Plents().Count()), mode, retry, start);
    }
    // Hands the event on at t, as the activation does.
    void advanceAt(CPlent& e, DateTime t)
    {
        clock.set(t);
        engine.CalcNextStart(e);
    }

    Platform::FixedClock clock{at(2026, 1, 1)};
    ClockedSchedule engine;
};

} // namespace

TEST_F(NextStartTest, FifteenMinuteGridSkipsTheMissedPoints)
{
    auto e = event(RetryMode::Minutes, 15, at(2026, 5, 4, 10, 0));
    advanceAt(*e, at(2026, 5, 4, 10, 7));
    EXPECT_EQ(whenOf(e->NextStart()), at(2026, 5, 4, 10, 15));
    EXPECT_EQ(whenOf(e->RegularStart()), at(2026, 5, 4, 10, 15));

    auto late = event(RetryMode::Minutes, 15, at(2026, 5, 4, 10, 0));
    advanceAt(*late, at(2026, 5, 4, 10, 50));
    EXPECT_EQ(whenOf(late->NextStart()), at(2026, 5, 4, 11, 0));
}

TEST_F(NextStartTest, AGridPointExactlyAtNowIsNotLaterThanNow)
{
    auto e = event(RetryMode::Hours, 1, at(2026, 5, 4, 10));
    advanceAt(*e, at(2026, 5, 4, 12));
    EXPECT_EQ(whenOf(e->NextStart()), at(2026, 5, 4, 13));
}

TEST_F(NextStartTest, AFutureStartStaysWhereItIs)
{
    auto e = event(RetryMode::Days, 1, at(2026, 5, 4, 10));
    advanceAt(*e, at(2026, 5, 1));
    EXPECT_EQ(whenOf(e->NextStart()), at(2026, 5, 4, 10));
    EXPECT_EQ(whenOf(e->RegularStart()), at(2026, 5, 4, 10)); // anchored all the same
}

TEST_F(NextStartTest, TheGridKeepsItsAnchorAcrossHandOuts)
{
    auto e = event(RetryMode::Weeks, 2, at(2026, 1, 5, 7, 30));
    for (DateTime t : {at(2026, 1, 5, 7, 31), at(2026, 1, 20), at(2026, 3, 1)}) advanceAt(*e, t);
    EXPECT_EQ(whenOf(e->NextStart()), at(2026, 3, 2, 7, 30));
}

TEST_F(NextStartTest, MonthsClampAndTheClampCarriesOn)
{
    auto e = event(RetryMode::Months, 1, at(2026, 1, 31, 9));
    advanceAt(*e, at(2026, 1, 31, 9));
    EXPECT_EQ(whenOf(e->NextStart()), at(2026, 2, 28, 9));
    advanceAt(*e, at(2026, 2, 28, 9));
    EXPECT_EQ(whenOf(e->NextStart()), at(2026, 3, 28, 9));

    auto leap = event(RetryMode::Months, 1, at(2024, 1, 31, 9));
    advanceAt(*leap, at(2024, 3, 1)); // one advance steps through the chain: 29 Feb, then 29 Mar
    EXPECT_EQ(whenOf(leap->NextStart()), at(2024, 3, 29, 9));
}

TEST_F(NextStartTest, YearsFromTheTwentyNinthOfFebruary)
{
    auto e = event(RetryMode::Years, 1, at(2024, 2, 29, 12));
    advanceAt(*e, at(2024, 3, 1));
    EXPECT_EQ(whenOf(e->NextStart()), at(2025, 2, 28, 12));
    advanceAt(*e, at(2027, 6, 1));
    EXPECT_EQ(whenOf(e->NextStart()), at(2028, 2, 28, 12));
}

TEST_F(NextStartTest, MoveToNextDayKeepsTheGridOnTheExcludedSunday)
{
    // 2026-12-05 is a Saturday.
    auto e = event(RetryMode::Days, 1, at(2026, 12, 5, 9));
    excludeWeekDay(*e, 1);
    e->setMoveToNextDay(true);
    advanceAt(*e, at(2026, 12, 5, 9));
    EXPECT_EQ(whenOf(e->NextStart()), at(2026, 12, 7, 9));
    EXPECT_EQ(whenOf(e->RegularStart()), at(2026, 12, 6, 9));
    advanceAt(*e, at(2026, 12, 7, 9));
    EXPECT_EQ(whenOf(e->NextStart()), at(2026, 12, 8, 9));
    EXPECT_EQ(whenOf(e->RegularStart()), at(2026, 12, 8, 9));
}

TEST_F(NextStartTest, WithoutMoveToNextDayTheExcludedSundayIsSkipped)
{
    auto e = event(RetryMode::Days, 1, at(2026, 12, 5, 9));
    excludeWeekDay(*e, 1);
    advanceAt(*e, at(2026, 12, 5, 9));
    EXPECT_EQ(whenOf(e->NextStart()), at(2026, 12, 7, 9));
    EXPECT_EQ(whenOf(e->RegularStart()), at(2026, 12, 7, 9));
}

TEST_F(NextStartTest, MoveToNextDayAlsoMovesAStartThatIsStillAhead)
{
    auto e = event(RetryMode::Weeks, 1, at(2026, 12, 6, 9)); // a Sunday, ahead of now
    excludeWeekDay(*e, 1);
    excludeWeekDay(*e, 2);
    e->setMoveToNextDay(true);
    advanceAt(*e, at(2026, 12, 1));
    EXPECT_EQ(whenOf(e->NextStart()), at(2026, 12, 8, 9));
    EXPECT_EQ(whenOf(e->RegularStart()), at(2026, 12, 6, 9));
}

TEST_F(NextStartTest, MinuteGridWaitsForTheNightWindowAndOverExcludedDays)
{
    auto e = event(RetryMode::Minutes, 7, at(2026, 12, 4, 0, 0)); // Friday
    e->setFrom(2200);
    e->setTo(600);
    excludeWeekDay(*e, 7);
    excludeWeekDay(*e, 1);
    advanceAt(*e, at(2026, 12, 4, 6, 1));
    // 22:00 is no grid point (00:00 + 7-minute steps): 22:03 is.
    EXPECT_EQ(whenOf(e->NextStart()), at(2026, 12, 4, 22, 3));
    // Handed out Friday 23:59: Saturday and Sunday are excluded, Monday's
    // window is open until 06:00.
    advanceAt(*e, at(2026, 12, 4, 23, 59));
    EXPECT_EQ(whenOf(e->NextStart()), at(2026, 12, 7, 0, 6));
}

TEST_F(NextStartTest, OnceAndOncePerRunAreLeftAlone)
{
    for (int16_t mode : {RetryMode::OncePerRun, RetryMode::Once}) {
        auto e = event(mode, 5, at(2026, 5, 4, 10));
        advanceAt(*e, at(2026, 6, 1));
        EXPECT_EQ(whenOf(e->NextStart()), at(2026, 5, 4, 10));
        EXPECT_EQ(e->RegularStart(), 0.0);
        EXPECT_FALSE(e->Finished());
    }
}

TEST_F(NextStartTest, AnUnknownRetryModeFinishesTheEvent)
{
    for (int16_t mode : {-1, 8, 99}) {
        auto e = event(mode, 1, at(2026, 5, 4, 10));
        advanceAt(*e, at(2026, 6, 1));
        EXPECT_TRUE(e->Finished());
        EXPECT_EQ(whenOf(e->NextStart()), at(2026, 5, 4, 10));
    }
}

// A search that could never end finishes the event and leaves its dates.
TEST_F(NextStartTest, EndlessRulesFinishTheEvent)
{
    auto zero = event(RetryMode::Minutes, 0, at(2026, 5, 4, 10));
    auto negative = event(RetryMode::Days, -1, at(2026, 5, 4, 10));
    auto everyDay = event(RetryMode::Hours, 1, at(2026, 5, 4, 10));
    for (int w = 1; w <= 7; ++w) excludeWeekDay(*everyDay, w);
    auto sundaysOnSundays = event(RetryMode::Weeks, 1, at(2026, 12, 6, 9));
    excludeWeekDay(*sundaysOnSundays, 1);
    auto shutWindow = event(RetryMode::Hours, 24, at(2026, 5, 4, 10));
    shutWindow->setFrom(1100);
    shutWindow->setTo(1200);
    shutWindow->setMoveToNextDay(true);
    auto allMovedAway = event(RetryMode::Days, 1, at(2026, 5, 4, 10));
    for (int w = 1; w <= 7; ++w) excludeWeekDay(*allMovedAway, w);
    allMovedAway->setMoveToNextDay(true);

    clock.set(at(2026, 12, 20));
    for (const auto& e : engine.Plents()) {
        const Platform::Date before = e->NextStart();
        engine.CalcNextStart(*e);
        EXPECT_TRUE(e->Finished()) << e->Identifier();
        EXPECT_EQ(e->NextStart(), before) << e->Identifier();
    }
}

TEST_F(NextStartTest, NoGridPointBeyondTheLastStorableDate)
{
    auto e = event(RetryMode::Years, 30000, at(2026, 5, 4, 10));
    advanceAt(*e, at(2026, 6, 1));
    EXPECT_TRUE(e->Finished());
    auto rare = event(RetryMode::Years, 500, at(2026, 5, 4, 10)); // far, but storable
    advanceAt(*rare, at(2026, 6, 1));
    EXPECT_FALSE(rare->Finished());
    EXPECT_EQ(whenOf(rare->NextStart()), at(2526, 5, 4, 10));
}

TEST_F(NextStartTest, ARegularStartOfZeroAnchorsTheGridAtTheNextStart)
{
    auto e = event(RetryMode::Days, 1, at(2026, 5, 4, 10));
    e->setRegularStart(0.4); // 1899-12-30 09:36, rounds to 0: not set
    advanceAt(*e, at(2026, 5, 4, 10));
    EXPECT_EQ(whenOf(e->NextStart()), at(2026, 5, 5, 10));
}
