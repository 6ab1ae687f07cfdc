#pragma once
#include <string>

#include "Plent/engine/HandOutInterface.h"
#include "Plent/engine/KalvorInterfaces.h"

// One event as a poll's ActivEvent handed it out, with what the engine
// knew of it before the hand-out.
struct HandedOut {
    std::string identifier;
    std::string description;
    std::string parameter;
    bool alarm = false;
    Platform::Date due = 0;
    int16_t delay = 0;
    int16_t delayMode = 0;
    bool late = false;

    // Fills in the engine's facts of its last hand-out; an engine without
    // them leaves them unset.
    void askEngine(Kalvor::_CPlentEngine& engine);
};
