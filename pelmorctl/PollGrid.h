#pragma once
#include <optional>

#include "Platform/dates/LocalTime.h"

namespace Ctl {

// The moments at which the runner polls: every five real seconds from the
// first up to and including the last.
class PollGrid {
public:
    using Moment = Platform::LocalTime::TimePoint;
    static constexpr std::chrono::seconds Interval{5};

    PollGrid(Moment first, Moment last) : first_(first), last_(last) {}

    Moment first() const { return first_; }
    // The first poll at or after t; nothing when that lies beyond the last.
    std::optional<Moment> atOrAfter(Moment t) const;

private:
    Moment first_;
    Moment last_;
};

} // namespace Ctl
