#pragma once
#include <optional>

#include "Platform/dates/DateTime.h"

namespace Ctl {

// The moments at which the runner polls: every five seconds from the first
// up to and including the last.
class PollGrid {
public:
    static constexpr int64_t IntervalSeconds = 5;

    PollGrid(Platform::DateTime first, Platform::DateTime last) : first_(first), last_(last) {}

    Platform::DateTime first() const { return first_; }
    // The first poll at or after t; nothing when that lies beyond the last.
    std::optional<Platform::DateTime> atOrAfter(Platform::DateTime t) const;

private:
    Platform::DateTime first_;
    Platform::DateTime last_;
};

} // namespace Ctl
