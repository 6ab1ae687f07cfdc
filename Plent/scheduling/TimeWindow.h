#pragma once
#include <cstdint>
#include <optional>

namespace Plent {

// The daily time window of a minute or hour repetition: From and To as
// hours * 100 + minutes, both ends included; From after To is a window
// across midnight; From and To both 0 or less mean no window.
class TimeWindow {
public:
    TimeWindow(int16_t from, int16_t to) : from_(from), to_(to) {}

    bool active() const { return from_ > 0 || to_ > 0; }
    // Whether a start at this time of day (hours * 100 + minutes) lies
    // outside the window.
    bool excludes(int hhmm) const;
    // Seconds from this second of the day to the next moment inside the
    // window (0 when it is inside), or nothing when no minute of the day is.
    std::optional<int64_t> secondsUntilOpen(int secondOfDay) const;

private:
    int16_t from_;
    int16_t to_;
};

} // namespace Plent
