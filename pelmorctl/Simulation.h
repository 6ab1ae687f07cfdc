#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "PollGrid.h"

namespace Plent {
class Schedule;
class colPlents;
} // namespace Plent

namespace Ctl {

// Drives an engine's schedule the way the runner does, on virtual real time:
// at every poll of the grid it asks, at the local wall-clock time of that
// moment, for due events until there are none. Polls at which nothing can
// happen are skipped: after each poll the driver works
// out the earliest moment at which the engine's verdict on any event can
// change and goes straight to the first poll at or after it, so the time
// taken grows with the hand-outs, not with the length of the period.
class Simulation {
public:
    using HandOut = std::function<void(Platform::DateTime poll, const std::string& identifier, bool alarm)>;

    Simulation(Plent::Schedule& schedule, PollGrid grid) : schedule_(schedule), grid_(grid) {}

    // Runs every poll that can hand something out, calling handOut for each
    // hand-out; each poll runs at its own virtual time.
    void run(const HandOut& handOut);

    // How many polls were made (the skipped ones not counted).
    int64_t pollsMade() const { return pollsMade_; }

    // The earliest moment after the poll at `poll` at which a poll may find
    // something to do, or nothing (see Plent::DueIndex::earliestChange).
    static std::optional<Platform::DateTime> earliestChange(const Plent::colPlents& events, Platform::DateTime poll);

private:
    void poll(Platform::DateTime at, const HandOut& handOut);

    Plent::Schedule& schedule_;
    PollGrid grid_;
    int64_t pollsMade_ = 0;
};

} // namespace Ctl
