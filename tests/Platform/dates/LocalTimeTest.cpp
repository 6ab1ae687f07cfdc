#include <gtest/gtest.h>

#include "Platform/dates/LocalTime.h"
#include "support/CivilTime.h"
#include "support/ScopedTimeZone.h"

using Platform::DateTime;
using Platform::LocalTime;
using namespace std::chrono;

namespace {
// Berlin's rules as a POSIX zone, so the tests need no time zone database.
constexpr const char* Berlin = "CET-1CEST,M3.5.0,M10.5.0/3";

using TestSupport::at;

LocalTime::TimePoint utc(year_month_day day, int h, int mi = 0, int s = 0)
{
    return sys_days(day) + hours(h) + minutes(mi) + seconds(s);
}
} // namespace

TEST(LocalTime, UnderUtcTheWallClockIsRealTime)
{
    ScopedTimeZone zone("UTC0");
    EXPECT_EQ(LocalTime::toSystem(at(2027, 3, 28, 2, 30)), utc(2027y / 3 / 28, 2, 30));
    EXPECT_EQ(LocalTime::fromSystem(utc(2027y / 10 / 31, 2, 30, 5)), at(2027, 10, 31, 2, 30, 5));
    EXPECT_EQ(LocalTime::toSystem(at(1900, 1, 1)), sys_days(1900y / 1 / 1));
    EXPECT_EQ(LocalTime::elapsedSeconds(at(2027, 3, 28, 1, 30), at(2027, 3, 28, 3)), 5400);
}

TEST(LocalTime, TheSkippedHourOfSpringCountsAsTheMomentOfTheJump)
{
    ScopedTimeZone zone(Berlin);
    EXPECT_EQ(LocalTime::fromSystem(utc(2027y / 3 / 28, 0, 59, 59)), at(2027, 3, 28, 1, 59, 59));
    EXPECT_EQ(LocalTime::fromSystem(utc(2027y / 3 / 28, 1)), at(2027, 3, 28, 3));
    const auto jump = utc(2027y / 3 / 28, 1);
    EXPECT_EQ(LocalTime::toSystem(at(2027, 3, 28, 2)), jump);
    EXPECT_EQ(LocalTime::toSystem(at(2027, 3, 28, 2, 59, 59)), jump);
    EXPECT_EQ(LocalTime::toSystem(at(2027, 3, 28, 3)), jump);
    EXPECT_EQ(LocalTime::toSystem(at(2027, 3, 28, 1, 59, 59)), jump - seconds(1));
    EXPECT_EQ(LocalTime::elapsedSeconds(at(2027, 3, 28, 2, 30), at(2027, 3, 28, 3)), 0);
    EXPECT_EQ(LocalTime::elapsedSeconds(at(2027, 3, 28, 1, 30), at(2027, 3, 28, 3, 10)), 40 * 60);
    EXPECT_EQ(LocalTime::elapsedSeconds(at(2027, 3, 27, 12), at(2027, 3, 28, 12)), 23 * 3600);
}

TEST(LocalTime, TheRepeatedHourOfAutumnShowsTwiceAndCountsAsItsFirstPass)
{
    ScopedTimeZone zone(Berlin);
    EXPECT_EQ(LocalTime::fromSystem(utc(2027y / 10 / 31, 0, 30)), at(2027, 10, 31, 2, 30));
    EXPECT_EQ(LocalTime::fromSystem(utc(2027y / 10 / 31, 1, 30)), at(2027, 10, 31, 2, 30));
    EXPECT_EQ(LocalTime::fromSystem(utc(2027y / 10 / 31, 2)), at(2027, 10, 31, 3));
    EXPECT_EQ(LocalTime::toSystem(at(2027, 10, 31, 2, 30)), utc(2027y / 10 / 31, 0, 30));
    EXPECT_EQ(LocalTime::toSystem(at(2027, 10, 31, 3)), utc(2027y / 10 / 31, 2));
    EXPECT_EQ(LocalTime::elapsedSeconds(at(2027, 10, 31, 1, 30), at(2027, 10, 31, 3, 30)), 3 * 3600);
    EXPECT_EQ(LocalTime::elapsedSeconds(at(2027, 10, 30, 12), at(2027, 10, 31, 12)), 25 * 3600);
}
