#include "TimeWindow.h"

namespace Plent {

namespace {
constexpr int MinutesPerDay = 1440;
int hhmmOfMinute(int minuteOfDay) { return minuteOfDay / 60 * 100 + minuteOfDay % 60; }
} // namespace

bool TimeWindow::excludes(int hhmm) const
{
    if (!active()) return false;
    if (from_ <= to_) return hhmm < from_ || hhmm > to_;
    return hhmm < from_ && hhmm > to_;
}

std::optional<int64_t> TimeWindow::secondsUntilOpen(int secondOfDay) const
{
    const int minute = secondOfDay / 60;
    if (!excludes(hhmmOfMinute(minute))) return 0;
    for (int ahead = 1; ahead < MinutesPerDay; ++ahead) {
        if (!excludes(hhmmOfMinute((minute + ahead) % MinutesPerDay)))
            return static_cast<int64_t>(minute + ahead) * 60 - secondOfDay;
    }
    return std::nullopt;
}

} // namespace Plent
