#include "Simulation.h"

#include <algorithm>
#include <utility>

#include "CtlError.h"
#include "DateText.h"
#include "Plent/scheduling/Schedule.h"

namespace Ctl {

using Platform::DateTime;
using Platform::LocalTime;

// The polls run on real time and each sees the local wall-clock time of its
// moment, so where the clocks change the wall clock jumps ahead or goes back
// between two polls as it does for the runner.
void Simulation::run(const HandOut& handOut)
{
    std::optional<PollGrid::Moment> next = grid_.first();
    while (next) {
        const DateTime wall = LocalTime::fromSystem(*next);
        poll(wall, handOut);
        ++pollsMade_;
        const auto change = schedule_.earliestChange(wall);
        next = change ? grid_.atOrAfter(std::max(LocalTime::toSystem(*change), *next + PollGrid::Interval))
                      : std::nullopt;
    }
}

// A handed-out event is moved past now, finished or removed, so one poll
// hands out each event at most once; more hand-outs than events mean the
// engine keeps handing out the same event, and the runner would hang there.
void Simulation::poll(DateTime at, const HandOut& handOut)
{
    const int32_t limit = std::as_const(schedule_).Events().Count();
    for (int32_t handOuts = 0;; ++handOuts) {
        const Plent::Schedule::HandOut out = schedule_.activate(at);
        const std::string& identifier = out.identifier;
        if (identifier.empty()) return;
        if (handOuts == limit)
            throw CtlError::failure("at " + DateText::format(at) + " the engine hands out '" + identifier
                                    + "' again and again; the simulation stops here");
        handOut(at, identifier, out.alarm);
    }
}

std::optional<DateTime> Simulation::earliestChange(const Plent::colPlents& events, DateTime poll)
{
    return Plent::DueIndex().earliestChange(events, 0, poll);
}

} // namespace Ctl
