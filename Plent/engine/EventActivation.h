#pragma once
#include <memory>
#include <string>

#include "Plent/model/CPlent.h"

namespace Plent {

class CPlentEngine;

// Hands out the events that are to be started now, one per call: first, once
// in every run of the engine, the once-per-start events; then the first due
// event in list order, after its delay rule. Each hand-out is recorded in the
// event (next start, last start, status) or removes it.
class EventActivation {
public:
    explicit EventActivation(CPlentEngine& engine) : engine_(engine) {}

    // The identifier of the handed-out event, or "" (with empty description
    // and parameter) when none is to be started now.
    std::string ActivEvent(std::string& srDescription, std::string& srParameter, bool& brAlarm);
    // The next once-per-start event not yet handed out in this run.
    std::shared_ptr<CPlent> StartupEvent();
    void ResetStartupEvents();
    // The first due event. An event found Delay minutes or more after its
    // start is left to its DelayMode: handed out, seen as done (not handed
    // out, moved on, Status 2) or handed out with the alarm set.
    std::shared_ptr<CPlent> DueEvent(bool& alarm);

private:
    static bool due(const CPlent& event, Platform::DateTime now);
    static bool foundLate(const CPlent& event, Platform::DateTime now);
    void seeAsDone(CPlent& event);
    void recordHandOut(CPlent& event, bool alarm);
    void noteHandOut(const CPlent& event);

    CPlentEngine& engine_;
    // Whether the event DueEvent returned was found late.
    bool handedOutLate_ = false;
};

} // namespace Plent
