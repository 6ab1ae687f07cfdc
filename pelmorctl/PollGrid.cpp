#include "PollGrid.h"

namespace Ctl {

std::optional<PollGrid::Moment> PollGrid::atOrAfter(Moment t) const
{
    if (t <= first_) return first_;
    const auto steps = (t - first_ + Interval - std::chrono::seconds(1)) / Interval;
    const Moment poll = first_ + steps * Interval;
    if (poll > last_) return std::nullopt;
    return poll;
}

} // namespace Ctl
