#include "DateTime.h"

#include <algorithm>
#include <chrono>
#include <cmath>

namespace Platform {

namespace {

using namespace std::chrono;

// Day 0 of the stored dates.
constexpr sys_days Epoch = sys_days{year{1899} / December / 30};

// The range a stored date may take: years 100 to 9999.
constexpr int64_t MinSeconds = (sys_days{year{100} / January / 1} - Epoch).count() * DateTime::SecondsPerDay;
constexpr int64_t MaxSeconds =
    ((sys_days{year{9999} / December / 31} - Epoch).count() + 1) * DateTime::SecondsPerDay - 1;

year_month_day ymdOf(int64_t dayNumber) { return year_month_day{Epoch + days{dayNumber}}; }

int64_t floorDiv(int64_t a, int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

} // namespace

int DaysInMonth(int y, int m)
{
    return static_cast<int>(static_cast<unsigned>(year_month_day_last{year{y} / month{static_cast<unsigned>(m)} / last}.day()));
}

DateTime DateTime::fromDate(Date d)
{
    if (std::isnan(d)) return DateTime(0);
    // Negative stored dates count the day backwards, but the fraction is
    // still the time after midnight: -1.25 is 1899-12-29 06:00.
    const double dayPart = std::trunc(d);
    const double fraction = std::fabs(d - dayPart);
    if (dayPart * SecondsPerDay < static_cast<double>(MinSeconds)) return DateTime(MinSeconds);
    if (dayPart * SecondsPerDay > static_cast<double>(MaxSeconds)) return DateTime(MaxSeconds);
    const auto s = static_cast<int64_t>(dayPart) * SecondsPerDay + std::llround(fraction * SecondsPerDay);
    return DateTime(s);
}

Date DateTime::toDate() const
{
    const int64_t day = dayNumber();
    const double fraction = static_cast<double>(secondOfDay()) / SecondsPerDay;
    return day >= 0 ? static_cast<double>(day) + fraction : static_cast<double>(day) - fraction;
}

DateTime DateTime::fromCivil(int y, int mo, int d, int h, int mi, int s)
{
    const sys_days date = sys_days{year{y} / month{static_cast<unsigned>(mo)} / day{static_cast<unsigned>(d)}};
    return DateTime((date - Epoch).count() * SecondsPerDay + h * 3600 + mi * 60 + s);
}

DateTime DateTime::fromCivil(const CivilDateTime& c)
{
    return fromCivil(c.year, c.month, c.day, c.hour, c.minute, c.second);
}

CivilDateTime DateTime::civil() const
{
    const auto ymd = ymdOf(dayNumber());
    const int sod = secondOfDay();
    return {static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
            static_cast<int>(static_cast<unsigned>(ymd.day())), sod / 3600, sod / 60 % 60, sod % 60};
}

int64_t DateTime::dayNumber() const { return floorDiv(seconds_, SecondsPerDay); }

int DateTime::secondOfDay() const { return static_cast<int>(seconds_ - dayNumber() * SecondsPerDay); }

DateTime DateTime::addMonths(int64_t n) const
{
    const CivilDateTime c = civil();
    const int64_t monthIndex = static_cast<int64_t>(c.year) * 12 + (c.month - 1) + n;
    const int y = static_cast<int>(floorDiv(monthIndex, 12));
    const int m = static_cast<int>(monthIndex - static_cast<int64_t>(y) * 12) + 1;
    const int d = std::min(c.day, DaysInMonth(y, m));
    return DateTime(fromCivil(y, m, d).seconds() + secondOfDay());
}

int DateTime::weekday() const
{
    // 1899-12-30 was a Saturday (7).
    return static_cast<int>(((dayNumber() + 6) % 7 + 7) % 7) + 1;
}

int DateTime::lastDayOfMonth() const
{
    const CivilDateTime c = civil();
    return DaysInMonth(c.year, c.month);
}

int DateTime::hhmm() const
{
    const int sod = secondOfDay();
    return sod / 3600 * 100 + sod / 60 % 60;
}

} // namespace Platform
