#include <gtest/gtest.h>

#include <cmath>

#include "Platform/dates/Clock.h"
#include "Platform/dates/DateTime.h"

using Platform::DateTime;

TEST(DateTime, StoredDateZeroIsTheEpoch)
{
    EXPECT_EQ(DateTime::fromDate(0).civil(), (Platform::CivilDateTime{1899, 12, 30, 0, 0, 0}));
    EXPECT_EQ(DateTime::fromCivil(1899, 12, 30).toDate(), 0.0);
    EXPECT_EQ(DateTime::fromCivil(1900, 1, 1, 12).toDate(), 2.5);
}

TEST(DateTime, NegativeStoredDatesKeepThePositiveTimeOfDay)
{
    // -1.25 is 1899-12-29 06:00, not 1899-12-28 18:00.
    EXPECT_EQ(DateTime::fromDate(-1.25).civil(), (Platform::CivilDateTime{1899, 12, 29, 6, 0, 0}));
    EXPECT_EQ(DateTime::fromCivil(1899, 12, 29, 6).toDate(), -1.25);
}

TEST(DateTime, EveryDayRoundTripsAndWeekdaysCycle)
{
    int expectedWeekday = DateTime::fromCivil(1800, 1, 1).weekday();
    for (DateTime d = DateTime::fromCivil(1800, 1, 1); d < DateTime::fromCivil(2400, 1, 1); d = d.addDays(1)) {
        ASSERT_EQ(DateTime::fromCivil(d.civil()), d);
        ASSERT_EQ(DateTime::fromDate(d.toDate()), d);
        ASSERT_EQ(d.weekday(), expectedWeekday);
        expectedWeekday = expectedWeekday % 7 + 1;
    }
}

TEST(DateTime, WeekdayCountsFromSunday)
{
    EXPECT_EQ(DateTime::fromCivil(2026, 12, 6).weekday(), 1); // a Sunday
    EXPECT_EQ(DateTime::fromCivil(2026, 12, 12).weekday(), 7);
}

TEST(DateTime, StoredTimesOfDayRoundToTheNearestSecond)
{
    const DateTime t = DateTime::fromCivil(2026, 3, 1, 17, 45, 59);
    EXPECT_EQ(DateTime::fromDate(t.toDate() + 0.4 / 86400), t);
    EXPECT_EQ(DateTime::fromDate(t.toDate() - 0.4 / 86400), t);
    EXPECT_EQ(DateTime::fromDate(t.toDate()).civil().second, 59);
}

TEST(DateTime, MonthAdditionClampsAndKeepsTheClampedDay)
{
    DateTime d = DateTime::fromCivil(2025, 1, 31, 9, 30);
    d = d.addMonths(1);
    EXPECT_EQ(d, DateTime::fromCivil(2025, 2, 28, 9, 30));
    d = d.addMonths(1);
    EXPECT_EQ(d, DateTime::fromCivil(2025, 3, 28, 9, 30));
    EXPECT_EQ(DateTime::fromCivil(2024, 1, 31).addMonths(1), DateTime::fromCivil(2024, 2, 29));
    EXPECT_EQ(DateTime::fromCivil(2024, 2, 29).addYears(1), DateTime::fromCivil(2025, 2, 28));
    EXPECT_EQ(DateTime::fromCivil(2024, 11, 30).addMonths(3), DateTime::fromCivil(2025, 2, 28));
    EXPECT_EQ(DateTime::fromCivil(2025, 3, 31).addMonths(-1), DateTime::fromCivil(2025, 2, 28));
}

TEST(DateTime, LastDayOfMonthKnowsLeapYears)
{
    EXPECT_EQ(DateTime::fromCivil(1900, 2, 10).lastDayOfMonth(), 28);
    EXPECT_EQ(DateTime::fromCivil(2000, 2, 10).lastDayOfMonth(), 29);
    EXPECT_EQ(DateTime::fromCivil(2024, 2, 1).lastDayOfMonth(), 29);
    EXPECT_EQ(DateTime::fromCivil(2026, 4, 30).lastDayOfMonth(), 30);
    EXPECT_EQ(DateTime::fromCivil(2026, 12, 1).lastDayOfMonth(), 31);
}

TEST(DateTime, AYearOfMinuteStepsStaysExact)
{
    const DateTime start = DateTime::fromCivil(2026, 1, 1, 0, 0);
    DateTime t = start;
    Platform::Date stored = start.toDate();
    for (int i = 0; i < 525600; ++i) {
        // Each step goes through the stored form, as an event's next start does.
        t = DateTime::fromDate(stored).addMinutes(1);
        stored = t.toDate();
    }
    EXPECT_EQ(t, DateTime::fromCivil(2027, 1, 1, 0, 0));
    EXPECT_EQ(t.hhmm(), 0);
}

TEST(DateTime, MalformedStoredDatesAreClampedNotUndefined)
{
    EXPECT_EQ(DateTime::fromDate(1e300).civil().year, 9999);
    EXPECT_EQ(DateTime::fromDate(-1e300).civil().year, 100);
    EXPECT_EQ(DateTime::fromDate(std::nan("")), DateTime(0));
}

TEST(Clock, FixedClockReplacesNowForItsLifetime)
{
    const DateTime before = Platform::Clock::now();
    {
        Platform::FixedClock clock(DateTime::fromCivil(2030, 5, 1, 8));
        EXPECT_EQ(Platform::Clock::now(), DateTime::fromCivil(2030, 5, 1, 8));
        clock.advance(90);
        EXPECT_EQ(Platform::Clock::now(), DateTime::fromCivil(2030, 5, 1, 8, 1, 30));
    }
    EXPECT_GE(Platform::Clock::now(), before);
}
