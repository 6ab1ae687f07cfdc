#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "Plent/scheduling/StartTrace.h"
#include "Platform/dates/DateTime.h"

namespace Ctl {

// What the engine decides for one event at one moment, gathered by
// WhyAnalysis from the engine's own rules and told by WhyText and WhyJson.
struct WhyFacts {
    enum class Kind {
        Stopped,    // never handed out until resumed
        OncePerRun, // handed out at the first poll of every run
        Finished,   // never due again
        Waiting,    // its start lies after the moment
        Due,        // its start has come by the moment
    };
    // The delay rule applied to the start found at the moment.
    struct Delay {
        int64_t secondsLate = 0;
        int limit = 0; // minutes; 0 or less: no delay rule
        int mode = 0;
        bool late = false;
        bool handedOut = false;
        bool alarm = false;
    };
    // A run of the start in the history, or the runner's hand-outs around it.
    struct Run {
        bool recorded = false;
        std::string time;
        std::string outcome;
        // Not in the history, but the run state holds a hand-out since the start.
        std::string stateLastStart;
        // Not recorded: the last hand-out before the start and the first
        // after it, of any event (empty when there is none).
        std::string lastBefore;
        std::string firstAfter;
    };

    std::string identifier;
    Platform::DateTime at;
    Kind kind = Kind::Waiting;
    // The event as the runner sees it.
    Platform::Date nextStart = 0;
    Platform::Date lastStart = 0;
    int status = 0;
    int retryMode = 0;
    int retry = 0;
    bool deleteAfterDone = false;

    // Repeating events: the grid point the moment falls after, and how the
    // next-start rule made it the start.
    std::optional<Platform::DateTime> gridPoint;
    Plent::StartTrace toStart;
    std::optional<Platform::DateTime> start;

    // The event has moved on past the start since: its run is history.
    bool passed = false;
    std::optional<Delay> delay;
    std::optional<Run> run;

    // After the moment: how the engine finds the start after it.
    Plent::StartTrace toNext;
    std::optional<Platform::DateTime> next;
};

} // namespace Ctl
