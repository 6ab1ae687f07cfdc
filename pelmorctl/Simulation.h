#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "PollGrid.h"

namespace Plent {
class CPlentEngine;
class colPlents;
} // namespace Plent

namespace Ctl {

// Drives an engine the way the runner does, on a virtual clock: at every
// poll of the grid it asks for due events until there are none. Polls at
// which nothing can happen are skipped: after each poll the driver works
// out the earliest moment at which the engine's verdict on any event can
// change and goes straight to the first poll at or after it, so the time
// taken grows with the hand-outs, not with the length of the period.
class Simulation {
public:
    using HandOut = std::function<void(Platform::DateTime poll, const std::string& identifier, bool alarm)>;

    Simulation(Plent::CPlentEngine& engine, PollGrid grid) : engine_(engine), grid_(grid) {}

    // Runs every poll that can hand something out, calling handOut for each
    // hand-out. The clock is the virtual one while it runs.
    void run(const HandOut& handOut);

    // How many polls were made (the skipped ones not counted).
    int64_t pollsMade() const { return pollsMade_; }

    // The earliest moment after the poll at `poll` at which a poll may find
    // something to do, or nothing. Once the first poll has passed, only two
    // moments change what the engine does with an event that is neither
    // finished nor stopped: its next start, and the end of its delay window.
    // The engine compares them rounded to the second, so they are taken a
    // second early, and as passed only a second after they are.
    static std::optional<Platform::DateTime> earliestChange(const Plent::colPlents& events, Platform::DateTime poll);

private:
    void poll(Platform::DateTime at, const HandOut& handOut);

    Plent::CPlentEngine& engine_;
    PollGrid grid_;
    int64_t pollsMade_ = 0;
};

} // namespace Ctl
