#pragma once
#include <string>

#include "Plent/scheduling/HandOut.h"

// One event as a poll's NextHandOut handed it out (or held it), with what
// the engine knew of it before the hand-out and the name of its run in the
// history, given before its program starts.
struct HandedOut {
    std::string identifier;
    std::string description;
    std::string parameter;
    bool alarm = false;
    Platform::Date due = 0;
    int16_t delay = 0;
    int16_t delayMode = 0;
    bool late = false;
    // Why it is not to be started; empty for a hand-out.
    std::string held;
    std::string run;
    // Started by the user at once, not by the schedule.
    bool manual = false;

    static HandedOut of(const Plent::HandOut& handOut);
};
