#include "Simulation.h"

#include <algorithm>

#include "CtlError.h"
#include "DateText.h"
#include "Plent/engine/CPlentEngine.h"
#include "Platform/dates/Clock.h"

namespace Ctl {

using Platform::DateTime;

void Simulation::run(const HandOut& handOut)
{
    Platform::FixedClock clock(grid_.first());
    std::optional<DateTime> next = grid_.first();
    while (next) {
        clock.set(*next);
        poll(*next, handOut);
        ++pollsMade_;
        const auto change = earliestChange(engine_.Plents(), *next);
        next = change ? grid_.atOrAfter(std::max(*change, next->addSeconds(PollGrid::IntervalSeconds))) : std::nullopt;
    }
}

// A handed-out event is moved past now, finished or removed, so one poll
// hands out each event at most once; more hand-outs than events mean the
// engine keeps handing out the same event, and the runner would hang there.
void Simulation::poll(DateTime at, const HandOut& handOut)
{
    const int32_t limit = engine_.Plents().Count();
    for (int32_t handOuts = 0;; ++handOuts) {
        std::string description, parameter;
        bool alarm = false;
        const std::string identifier = engine_.ActivEvent(description, parameter, alarm);
        if (identifier.empty()) return;
        if (handOuts == limit)
            throw CtlError::failure("at " + DateText::format(at) + " the engine hands out '" + identifier
                                    + "' again and again; the simulation stops here");
        handOut(at, identifier, alarm);
    }
}

std::optional<DateTime> Simulation::earliestChange(const Plent::colPlents& events, DateTime poll)
{
    std::optional<DateTime> earliest;
    for (const auto& e : events) {
        if (e->Finished() || e->Status() == Plent::Status::Stopped) continue;
        const DateTime start = DateTime::fromDate(e->NextStart());
        for (const DateTime moment : {start, start.addMinutes(e->Delay())}) {
            if (moment.addSeconds(1) <= poll) continue;
            const DateTime early = moment.addSeconds(-1);
            if (!earliest || early < *earliest) earliest = early;
        }
    }
    return earliest;
}

} // namespace Ctl
