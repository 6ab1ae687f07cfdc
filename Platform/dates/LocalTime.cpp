#include "LocalTime.h"

#include <ctime>
#include <optional>

namespace Platform {

namespace {
using std::chrono::seconds;

const int64_t UnixEpoch = DateTime::fromCivil(1970, 1, 1).seconds();
// Wider than any offset from UTC (-12 h .. +14 h).
constexpr int64_t WidestOffset = 26 * 3600;

DateTime wallAt(std::time_t t)
{
    std::tm local{};
    localtime_r(&t, &local);
    return DateTime::fromCivil(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min,
                               local.tm_sec);
}

// Seconds east of UTC at a real moment. localtime_r, unlike mktime, does
// not read the zone again on every call.
int64_t offsetAt(std::time_t t)
{
    std::tm local{};
    localtime_r(&t, &local);
    return local.tm_gmtoff;
}

// The first real second whose wall time is at or after `wall`; the wall time
// read as UTC is off by less than a day from it either way.
std::time_t jumpPast(DateTime wall)
{
    std::time_t low = wall.seconds() - UnixEpoch - WidestOffset;
    std::time_t high = wall.seconds() - UnixEpoch + WidestOffset;
    while (low < high) {
        const std::time_t middle = low + (high - low) / 2;
        if (wallAt(middle) < wall) low = middle + 1;
        else high = middle;
    }
    return low;
}
} // namespace

DateTime LocalTime::fromSystem(TimePoint t) { return wallAt(t.time_since_epoch().count()); }

// A day before and a day after it the clocks show the offsets on either side
// of any change near the wall time; each gives a real moment that shows the
// wall time, unless the time falls into a gap.
LocalTime::TimePoint LocalTime::toSystem(DateTime wall)
{
    const std::time_t asUtc = wall.seconds() - UnixEpoch;
    std::optional<std::time_t> first;
    for (const std::time_t around : {asUtc - DateTime::SecondsPerDay, asUtc + DateTime::SecondsPerDay}) {
        const std::time_t t = asUtc - offsetAt(around);
        if (wallAt(t) == wall && (!first || t < *first)) first = t;
    }
    return TimePoint(seconds(first ? *first : jumpPast(wall)));
}

int64_t LocalTime::elapsedSeconds(DateTime from, DateTime to)
{
    return (toSystem(to) - toSystem(from)).count();
}

} // namespace Platform
