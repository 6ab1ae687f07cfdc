#pragma once
#include <compare>
#include <cstdint>

namespace Platform {

// A stored date: days since 1899-12-30 00:00, the fraction being the time of
// day (0.5 = 12:00); 0 serves as "not set". Only the edges of the system
// (records, files, the interface) hold dates in this form.
using Date = double;

struct CivilDateTime {
    int year = 1899;
    int month = 12;
    int day = 30;
    int hour = 0;
    int minute = 0;
    int second = 0;
    friend bool operator==(const CivilDateTime&, const CivilDateTime&) = default;
};

// A local wall-clock moment in whole seconds since 1899-12-30 00:00. All
// arithmetic and every comparison is done on this integer count, so repeated
// additions never drift.
class DateTime {
public:
    static constexpr int64_t SecondsPerDay = 86400;

    constexpr DateTime() = default;
    constexpr explicit DateTime(int64_t seconds) : seconds_(seconds) {}

    // The nearest whole second of a stored date. Values that cannot be a
    // date (NaN, beyond year 9999 or before year 100) are clamped there.
    static DateTime fromDate(Date d);
    Date toDate() const;

    static DateTime fromCivil(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);
    static DateTime fromCivil(const CivilDateTime& c);
    CivilDateTime civil() const;

    constexpr int64_t seconds() const { return seconds_; }
    // Days since 1899-12-30 (negative before it) and the second of that day.
    int64_t dayNumber() const;
    int secondOfDay() const;
    DateTime dateOnly() const { return DateTime(dayNumber() * SecondsPerDay); }

    DateTime addSeconds(int64_t n) const { return DateTime(seconds_ + n); }
    DateTime addMinutes(int64_t n) const { return DateTime(seconds_ + n * 60); }
    DateTime addHours(int64_t n) const { return DateTime(seconds_ + n * 3600); }
    DateTime addDays(int64_t n) const { return DateTime(seconds_ + n * SecondsPerDay); }
    DateTime addWeeks(int64_t n) const { return addDays(n * 7); }
    // Calendar additions: the day of the month and the time of day stay,
    // clamped to the last day of a shorter month.
    DateTime addMonths(int64_t n) const;
    DateTime addYears(int64_t n) const { return addMonths(n * 12); }

    // 1 = Sunday .. 7 = Saturday.
    int weekday() const;
    // 28, 29, 30 or 31.
    int lastDayOfMonth() const;
    // The time of day as hours * 100 + minutes (830 = 08:30).
    int hhmm() const;

    friend constexpr auto operator<=>(const DateTime&, const DateTime&) = default;

private:
    int64_t seconds_ = 0;
};

int DaysInMonth(int year, int month);

} // namespace Platform
