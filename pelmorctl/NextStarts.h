#pragma once
#include <vector>

#include "Platform/dates/DateTime.h"

namespace Plent {
class CPlent;
class Schedule;
} // namespace Plent

namespace Ctl {

// The coming starts of one event, by the engine's own next-start rule.
class NextStarts {
public:
    enum class Kind {
        Dates,      // the starts found, possibly none: the event will not start again
        OncePerRun, // it starts once after each start of the program
        Stopped,    // stopped: never handed out until resumed
    };
    struct Preview {
        Kind kind = Kind::Dates;
        std::vector<Platform::DateTime> starts;
    };

    // Up to `count` starts. The first is the event's next start moved past
    // `at` the way the engine moves a start that lies in the past; each
    // further one is the start the engine computes when the event is handed
    // out exactly at the previous one. Works on a copy: the event is not
    // changed. The schedule supplies the next-start rule and the table.
    static Preview of(Plent::Schedule& schedule, const Plent::CPlent& event, Platform::DateTime at, int count);
};

} // namespace Ctl
