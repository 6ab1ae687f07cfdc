#pragma once
#include <memory>
#include <optional>

#include "Platform/automation/AutomationError.h"
#include "Plent/model/CPlent.h"
#include "Schedule.h"
#include "TableDates.h"

namespace Plent {

// Hands out the events that are to be started at now, one per call: first,
// once in every run of the engine, the once-per-start events; then the
// first due event in list order, after its delay rule. Each hand-out is
// recorded in the event (next start, last start, status) or removes it.
// Events without identifier are never handed out.
class EventActivation {
public:
    // What a fixed-date table that cannot be read does to the event whose
    // next start needs it: the failure is raised to the caller, or the event
    // is held (see HeldEvents) and the others go on.
    enum class TableFailure { Raise, Hold };

    EventActivation(Schedule& schedule, Platform::DateTime now, TableFailure onTableFailure = TableFailure::Raise)
        : schedule_(schedule), now_(now), dates_(schedule.table_, schedule.tablePath_, now),
          hold_(onTableFailure == TableFailure::Hold)
    {
        schedule_.masks_.seen(schedule_.elsewhere_);
    }

    // Nothing when no event is to be started now. When holding, also a held
    // hand-out for what is to be told: an event without identifier (once
    // per load) and an event newly held.
    std::optional<HandOut> next();

private:
    // The first due event. An event found Delay minutes or more after its
    // start is left to its DelayMode: handed out, seen as done (not handed
    // out, moved on, Status 2) or handed out with the alarm set.
    std::shared_ptr<CPlent> dueEvent(bool& alarm);
    std::optional<HandOut> handOutNext();
    std::optional<HandOut> held(const CPlent& event, const Platform::AutomationError& failure);
    bool foundLate(const CPlent& event) const;
    void seeAsDone(CPlent& event);
    void recordHandOut(CPlent& event, bool alarm);

    Schedule& schedule_;
    Platform::DateTime now_;
    TableDates dates_;
    bool hold_;
    // Whether the event dueEvent returned was found late.
    bool handedOutLate_ = false;
    // The event whose next start is being computed.
    const CPlent* current_ = nullptr;
};

} // namespace Plent
