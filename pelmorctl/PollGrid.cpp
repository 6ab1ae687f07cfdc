#include "PollGrid.h"

namespace Ctl {

std::optional<Platform::DateTime> PollGrid::atOrAfter(Platform::DateTime t) const
{
    if (t <= first_) return first_;
    const int64_t steps = (t.seconds() - first_.seconds() + IntervalSeconds - 1) / IntervalSeconds;
    const Platform::DateTime poll = first_.addSeconds(steps * IntervalSeconds);
    if (poll > last_) return std::nullopt;
    return poll;
}

} // namespace Ctl
