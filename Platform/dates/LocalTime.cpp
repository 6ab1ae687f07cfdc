#include "LocalTime.h"

#include <array>
#include <ctime>
#include <optional>

namespace Platform {

namespace {
using std::chrono::seconds;

const int64_t UnixEpoch = DateTime::fromCivil(1970, 1, 1).seconds();
// Wider than any offset from UTC (-12 h .. +14 h).
constexpr int64_t WidestOffset = 26 * 3600;

// Seconds east of UTC at a real moment, as the system's zone rules say.
int64_t systemOffsetAt(std::time_t t)
{
    std::tm local{};
    localtime_r(&t, &local);
    return local.tm_gmtoff;
}

// localtime_r takes a lock and looks up the zone's rules at every call, which
// a simulated year of polls would pay millions of times over. The offset
// changes only where the zone's clocks change, at quarter hours, so one
// answer serves the quarter hour around it, as long as the zone (TZ) is the
// same (tzset, which a change of TZ needs, names the zone anew) and the
// offset at both ends of the quarter agrees. A few answers are kept, since a
// conversion back looks a day to either side.
int64_t offsetAt(std::time_t t)
{
    constexpr std::time_t Quarter = 900;
    struct Answer {
        const char* standard = nullptr;
        const char* summer = nullptr;
        int daylight = 0;
        std::time_t quarter = 0;
        int64_t offset = 0;
        bool valid = false;
    };
    thread_local std::array<Answer, 4> kept;
    thread_local size_t next = 0;
    const std::time_t quarter = t - ((t % Quarter) + Quarter) % Quarter;
    for (const Answer& a : kept) {
        if (a.valid && a.quarter == quarter && a.standard == tzname[0] && a.summer == tzname[1] && a.daylight == daylight)
            return a.offset;
    }
    const int64_t offset = systemOffsetAt(t);
    const bool steady = systemOffsetAt(quarter) == offset && systemOffsetAt(quarter + Quarter - 1) == offset;
    kept[next] = {tzname[0], tzname[1], daylight, quarter, offset, steady};
    next = (next + 1) % kept.size();
    return offset;
}

DateTime wallAt(std::time_t t) { return DateTime(UnixEpoch + t + offsetAt(t)); }

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
