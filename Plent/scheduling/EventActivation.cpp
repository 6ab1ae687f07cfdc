#include "EventActivation.h"

#include "NextStartRule.h"
#include "Platform/dates/LocalTime.h"

namespace Plent {

using Platform::DateTime;

namespace {
bool oncePerRunOrOnce(const CPlent& event)
{
    return event.RetryMode() == RetryMode::OncePerRun || event.RetryMode() == RetryMode::Once;
}
} // namespace

Schedule::HandOut EventActivation::activate()
{
    bool alarm = false;
    std::shared_ptr<CPlent> event = schedule_.startupEvent();
    if (!event) event = dueEvent(alarm);
    if (!event) return {};
    Schedule::HandOut handOut{event->Identifier(), event->Description(), event->Parameter(), alarm,
                              {event->NextStart(), event->Delay(), event->DelayMode(), handedOutLate_}};
    const uint64_t before = ModelRevision::Events();
    if (event->DeleteAfterDone()) schedule_.Events().Remove(handOut.identifier);
    else recordHandOut(*event, alarm);
    schedule_.startup_.changedHere(before);
    if (!event->DeleteAfterDone()) schedule_.index_.changedHere(*event, before);
    return handOut;
}

// Finished is left to the next-start rule for repeating events: it finishes
// those that have no next start.
void EventActivation::recordHandOut(CPlent& event, bool alarm)
{
    NextStartRule(dates_).advance(event, now_);
    event.setLastStart(now_.toDate());
    event.setStatus(alarm ? Status::Alarm : Status::Done);
    if (oncePerRunOrOnce(event)) event.setFinished(true);
}

std::shared_ptr<CPlent> EventActivation::dueEvent(bool& alarm)
{
    const colPlents& events = schedule_.Events();
    size_t position = 0;
    for (size_t from = 0;; from = position + 1) {
        const auto event = schedule_.index_.firstDue(events, now_, from, position);
        if (!event) return nullptr;
        handedOutLate_ = foundLate(*event);
        if (!handedOutLate_) return event;
        switch (event->DelayMode()) {
        case DelayMode::SeenAsDone: seeAsDone(*event); continue;
        case DelayMode::Alarm: alarm = true; return event;
        default: return event;
        }
    }
}

// A delay of 0 or less is no delay window. Lateness is elapsed time, so a
// start the clocks skipped when they went forward is due at the jump, on time.
bool EventActivation::foundLate(const CPlent& event) const
{
    if (event.Delay() <= 0) return false;
    const DateTime start = DateTime::fromDate(event.NextStart());
    return Platform::LocalTime::elapsedSeconds(start, now_) >= int64_t{event.Delay()} * 60;
}

// A once-only start seen as done will not come again.
void EventActivation::seeAsDone(CPlent& event)
{
    const uint64_t before = ModelRevision::Events();
    NextStartRule(dates_).advance(event, now_);
    event.setStatus(Status::SeenAsDone);
    if (oncePerRunOrOnce(event)) event.setFinished(true);
    schedule_.index_.changedHere(event, before);
}

} // namespace Plent
