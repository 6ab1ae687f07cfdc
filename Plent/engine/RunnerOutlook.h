#pragma once
#include <cstdint>
#include <string>

#include "Plent/model/colPlents.h"

namespace Plent {

// What lies ahead for a runner: how many events it has and which of them
// starts next. Only an event that is neither finished nor stopped and has a
// next start of its own counts as next; of two at the same moment, the one
// first in the list.
struct RunnerOutlook {
    int32_t events = 0;
    std::string nextIdentifier;
    // 0 when no event has a start ahead.
    Date nextStart = 0;

    static RunnerOutlook of(const colPlents& events);
    friend bool operator==(const RunnerOutlook&, const RunnerOutlook&) = default;
};

} // namespace Plent
