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

// The real moment mktime finds for the wall time under the given daylight
// saving flag, if that moment really shows this wall time.
std::optional<std::time_t> occurrence(DateTime wall, int isDst)
{
    const CivilDateTime c = wall.civil();
    std::tm local{};
    local.tm_year = c.year - 1900;
    local.tm_mon = c.month - 1;
    local.tm_mday = c.day;
    local.tm_hour = c.hour;
    local.tm_min = c.minute;
    local.tm_sec = c.second;
    local.tm_isdst = isDst;
    const std::time_t t = std::mktime(&local);
    if (wallAt(t) != wall) return std::nullopt;
    return t;
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

LocalTime::TimePoint LocalTime::toSystem(DateTime wall)
{
    std::optional<std::time_t> first;
    for (const int isDst : {1, 0}) {
        const auto t = occurrence(wall, isDst);
        if (t && (!first || *t < *first)) first = t;
    }
    return TimePoint(seconds(first ? *first : jumpPast(wall)));
}

int64_t LocalTime::elapsedSeconds(DateTime from, DateTime to)
{
    return (toSystem(to) - toSystem(from)).count();
}

} // namespace Platform
