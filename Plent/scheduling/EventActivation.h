#pragma once
#include <memory>

#include "Plent/model/CPlent.h"
#include "Schedule.h"
#include "TableDates.h"

namespace Plent {

// Hands out the events that are to be started at now, one per call: first,
// once in every run of the engine, the once-per-start events; then the
// first due event in list order, after its delay rule. Each hand-out is
// recorded in the event (next start, last start, status) or removes it.
class EventActivation {
public:
    EventActivation(Schedule& schedule, Platform::DateTime now)
        : schedule_(schedule), now_(now), dates_(schedule.table_, schedule.tablePath_, now)
    {
    }

    Schedule::HandOut activate();
    // The first due event. An event found Delay minutes or more after its
    // start is left to its DelayMode: handed out, seen as done (not handed
    // out, moved on, Status 2) or handed out with the alarm set.
    std::shared_ptr<CPlent> dueEvent(bool& alarm);

private:
    bool foundLate(const CPlent& event) const;
    void seeAsDone(CPlent& event);
    void recordHandOut(CPlent& event, bool alarm);

    Schedule& schedule_;
    Platform::DateTime now_;
    TableDates dates_;
    // Whether the event dueEvent returned was found late.
    bool handedOutLate_ = false;
};

} // namespace Plent
