#include "EventActivation.h"

#include "CPlentEngine.h"
#include "Platform/dates/Clock.h"

namespace Plent {

using Platform::DateTime;

namespace {
bool oncePerRunOrOnce(const CPlent& event)
{
    return event.RetryMode() == RetryMode::OncePerRun || event.RetryMode() == RetryMode::Once;
}
} // namespace

std::string EventActivation::ActivEvent(std::string& srDescription, std::string& srParameter, bool& brAlarm)
{
    brAlarm = false;
    std::shared_ptr<CPlent> event = StartupEvent();
    if (!event) event = DueEvent(brAlarm);
    if (!event) {
        srDescription.clear();
        srParameter.clear();
        brAlarm = false;
        return {};
    }
    noteHandOut(*event);
    const std::string identifier = event->Identifier();
    srDescription = event->Description();
    srParameter = event->Parameter();
    if (event->DeleteAfterDone()) engine_.Plents().Remove(identifier);
    else recordHandOut(*event, brAlarm);
    if (const auto window = engine_.objShowEvents()) window->FillList();
    return identifier;
}

// Read before the hand-out moves the event on.
void EventActivation::noteHandOut(const CPlent& event)
{
    engine_.setLastHandOut({event.NextStart(), event.Delay(), event.DelayMode(), handedOutLate_});
}

// Finished is left to the next-start rule for repeating events: it finishes
// those that have no next start.
void EventActivation::recordHandOut(CPlent& event, bool alarm)
{
    engine_.CalcNextStart(event);
    event.setLastStart(Platform::Clock::now().toDate());
    event.setStatus(alarm ? Status::Alarm : Status::Done);
    if (oncePerRunOrOnce(event)) event.setFinished(true);
}

std::shared_ptr<CPlent> EventActivation::StartupEvent()
{
    if (engine_.StartupScanDone()) return nullptr;
    ResetStartupEvents();
    for (const auto& event : engine_.Plents()) {
        if (event->RetryMode() == RetryMode::OncePerRun && !event->Finished() && event->Status() != Status::Stopped)
            return event;
    }
    engine_.setStartupScanDone(true);
    return nullptr;
}

void EventActivation::ResetStartupEvents()
{
    if (engine_.StartupResetDone()) return;
    for (const auto& event : engine_.Plents()) {
        if (event->RetryMode() == RetryMode::OncePerRun) event->setFinished(false);
    }
    engine_.setStartupResetDone(true);
}

std::shared_ptr<CPlent> EventActivation::DueEvent(bool& alarm)
{
    // One reading of the clock serves the whole scan, which takes far less
    // than a second.
    const DateTime now = Platform::Clock::now();
    for (const auto& event : engine_.Plents()) {
        if (!due(*event, now)) continue;
        handedOutLate_ = foundLate(*event, now);
        if (!handedOutLate_) return event;
        switch (event->DelayMode()) {
        case DelayMode::SeenAsDone: seeAsDone(*event); continue;
        case DelayMode::Alarm: alarm = true; return event;
        default: return event;
        }
    }
    return nullptr;
}

bool EventActivation::due(const CPlent& event, DateTime now)
{
    return !event.Finished() && event.Status() != Status::Stopped && DateTime::fromDate(event.NextStart()) <= now;
}

// A delay of 0 or less is no delay window.
bool EventActivation::foundLate(const CPlent& event, DateTime now)
{
    return event.Delay() > 0 && DateTime::fromDate(event.NextStart()).addMinutes(event.Delay()) <= now;
}

// A once-only start seen as done will not come again.
void EventActivation::seeAsDone(CPlent& event)
{
    engine_.CalcNextStart(event);
    event.setStatus(Status::SeenAsDone);
    if (oncePerRunOrOnce(event)) event.setFinished(true);
}

} // namespace Plent
