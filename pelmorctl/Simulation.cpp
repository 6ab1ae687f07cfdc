#include "Simulation.h"

#include <algorithm>
#include <cmath>

#include "CtlError.h"
#include "DateText.h"
#include "Plent/engine/CPlentEngine.h"
#include "Platform/dates/Clock.h"

namespace Ctl {

using Platform::DateTime;

namespace {

constexpr double MinutesPerDay = 24 * 60;

// A stored date as days since 1899-12-30 that order like time. Before that
// day a stored date counts the day backwards but the time of day forwards
// (-1.25 is 1899-12-29 06:00, -1.75 is 18:00).
double daysOf(Platform::Date d) { return d >= 0 ? d : 2 * std::trunc(d) - d; }

} // namespace

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
    // Compared as days, which costs far less than a conversion per event and poll.
    const double passed = static_cast<double>(poll.seconds() - 1) / DateTime::SecondsPerDay;
    struct Moment {
        double days;
        const Plent::CPlent* event;
        bool delayEnd;
    };
    std::optional<Moment> earliest;
    for (const auto& e : events) {
        if (e->Finished() || e->Status() == Plent::Status::Stopped) continue;
        const double start = daysOf(e->NextStart());
        for (const Moment m : {Moment{start, e.get(), false}, Moment{start + e->Delay() / MinutesPerDay, e.get(), true}}) {
            if (m.days > passed && (!earliest || m.days < earliest->days)) earliest = m;
        }
    }
    if (!earliest) return std::nullopt;
    const DateTime start = DateTime::fromDate(earliest->event->NextStart());
    return (earliest->delayEnd ? start.addMinutes(earliest->event->Delay()) : start).addSeconds(-1);
}

} // namespace Ctl
