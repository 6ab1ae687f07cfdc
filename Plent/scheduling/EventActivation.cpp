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

std::optional<HandOut> EventActivation::next()
{
    if (schedule_.clock_.seen(*schedule_.events_, now_, dates_)) schedule_.changedHere();
    if (!hold_) return handOutNext();
    if (!schedule_.notices_.empty()) {
        HandOut notice = std::move(schedule_.notices_.front());
        schedule_.notices_.erase(schedule_.notices_.begin());
        return notice;
    }
    schedule_.held_.tryAgainAfter(now_);
    for (;;) {
        try {
            return handOutNext();
        } catch (const Platform::AutomationError& failure) {
            if (!current_ || failure.source() != FixedDateTable::Source) throw;
            if (auto told = held(*current_, failure)) return told;
        }
    }
}

std::optional<HandOut> EventActivation::handOutNext()
{
    bool alarm = false;
    std::shared_ptr<CPlent> event = schedule_.startupEvent();
    if (!event) event = dueEvent(alarm);
    if (!event) return std::nullopt;
    HandOut handOut = HandOut::of(*event);
    handOut.alarm = alarm;
    handOut.late = handedOutLate_;
    // Counted as changed first, so that a rule that fails half-way leaves
    // nothing that still looks current.
    const uint64_t before = schedule_.revision_;
    schedule_.changedHere();
    current_ = event.get();
    if (event->DeleteAfterDone()) schedule_.events_->Remove(handOut.identifier);
    else recordHandOut(*event, alarm);
    current_ = nullptr;
    schedule_.held_.handedOut(*event);
    schedule_.startup_.changedHere(before, schedule_.revision_);
    if (!event->DeleteAfterDone()) schedule_.index_.changedHere(*event, before, schedule_.revision_);
    return handOut;
}

// Told at the first hold of a streak only; the event keeps its state.
std::optional<HandOut> EventActivation::held(const CPlent& event, const Platform::AutomationError& failure)
{
    current_ = nullptr;
    if (!schedule_.held_.hold(event, now_)) return std::nullopt;
    HandOut handOut = HandOut::of(event);
    handOut.held = "the table '" + schedule_.tablePath_ + "' cannot be read: " + failure.report();
    return handOut;
}

// Finished is left to the next-start rule for repeating events: it finishes
// those that have no next start.
void EventActivation::recordHandOut(CPlent& event, bool alarm)
{
    NextStartRule(dates_, nullptr, &schedule_.masks_).advance(event, now_);
    event.setLastStart(now_.toDate());
    event.setStatus(alarm ? Status::Alarm : Status::Done);
    if (oncePerRunOrOnce(event)) event.setFinished(true);
}

std::shared_ptr<CPlent> EventActivation::dueEvent(bool& alarm)
{
    const colPlents& events = *schedule_.events_;
    size_t position = 0;
    for (size_t from = 0;; from = position + 1) {
        const auto event = schedule_.index_.firstDue(events, schedule_.revision_, now_, from, position);
        if (!event) return nullptr;
        if (schedule_.held_.holds(*event)) continue;
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
    const uint64_t before = schedule_.revision_;
    schedule_.changedHere();
    current_ = &event;
    NextStartRule(dates_, nullptr, &schedule_.masks_).advance(event, now_);
    current_ = nullptr;
    event.setStatus(Status::SeenAsDone);
    if (oncePerRunOrOnce(event)) event.setFinished(true);
    schedule_.index_.changedHere(event, before, schedule_.revision_);
}

} // namespace Plent
