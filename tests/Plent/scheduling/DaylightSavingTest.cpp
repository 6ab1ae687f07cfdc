#include <gtest/gtest.h>

#include "ClockedSchedule.h"
#include "SchedulingFixtures.h"
#include "support/ScopedTimeZone.h"

using namespace SchedulingFixtures;

namespace {
// Berlin's rules as a POSIX zone, so the tests need no time zone database.
constexpr const char* Berlin = "CET-1CEST,M3.5.0,M10.5.0/3";
constexpr int16_t Daily = 4;
constexpr int16_t SeenAsDone = 1;
} // namespace

// The clocks go from 01:59:59 straight to 03:00:00 on 28 March 2027. A start
// inside the skipped hour is reached at the jump, no time having passed since
// it; a start before the gap has been waiting for the real time elapsed.
TEST(DaylightSaving, AStartInTheSkippedHourIsHandedOutOnTimeAtTheJump)
{
    ScopedTimeZone zone(Berlin);
    Platform::FixedClock clock(at(2027, 3, 28, 1, 59, 55));
    ClockedSchedule engine;
    auto nightly = addEvent(engine, "nightly", Daily, 1, at(2027, 3, 28, 2, 30));
    nightly->setDelay(15);
    nightly->setDelayMode(SeenAsDone);
    auto early = addEvent(engine, "early", Daily, 1, at(2027, 3, 28, 1, 30));
    early->setDelay(15);
    early->setDelayMode(SeenAsDone);
    EXPECT_EQ(engine.activate().identifier, "");

    clock.set(at(2027, 3, 28, 3));
    const auto out = engine.activate();
    EXPECT_EQ(out.identifier, "nightly");
    EXPECT_FALSE(out.alarm);
    EXPECT_FALSE(out.late);
    EXPECT_EQ(whenOf(nightly->NextStart()), at(2027, 3, 29, 2, 30));
    // 01:30 to 03:00 is half an hour of real time: beyond the delay, seen as done.
    EXPECT_EQ(whenOf(early->NextStart()), at(2027, 3, 29, 1, 30));
    EXPECT_EQ(early->Status(), Plent::Status::SeenAsDone);
    EXPECT_EQ(engine.activate().identifier, "");
}

// On 31 October 2027 the clocks go back from 02:59:59 to 02:00:00. Lateness
// counts a wall time of the repeated hour as its first pass.
TEST(DaylightSaving, LatenessAcrossTheRepeatedHourIsRealTime)
{
    ScopedTimeZone zone(Berlin);
    Platform::FixedClock clock(at(2027, 10, 31, 3, 20));
    ClockedSchedule engine;
    // 01:50 to 03:20 is two and a half hours of real time, not one and a half.
    auto report = addEvent(engine, "report", Daily, 1, at(2027, 10, 31, 1, 50));
    report->setDelay(120);
    report->setDelayMode(SeenAsDone);
    EXPECT_EQ(engine.activate().identifier, "");
    EXPECT_EQ(report->Status(), Plent::Status::SeenAsDone);
    EXPECT_EQ(whenOf(report->NextStart()), at(2027, 11, 1, 1, 50));
}
