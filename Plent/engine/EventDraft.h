#pragma once
#include <string>

#include "CalendarMarks.h"
#include "Plent/model/CPlent.h"

namespace Plent {

// What the event editor holds: the texts of its boxes as typed, its check
// boxes and options, and the marks of its three calendar grids. A new draft
// holds what a new editor shows, but for the first start, which the editor
// fills from the clock.
struct EventDraft {
    std::string identifier;
    std::string parameter;
    std::string description;
    std::string firstStartDate;
    std::string firstStartHour;
    bool deleteAfterDone = false;
    bool moveToNextDay = false;
    std::string delay = "0";
    // The first selected option of each array; -1 when none is.
    int delayMode = DelayMode::DoIt;
    int retryMode = RetryMode::Once;
    std::string retry = "1";
    std::string from = "00:00";
    std::string to = "00:00";
    CalendarMarks marks;

    bool operator==(const EventDraft&) const = default;
};

} // namespace Plent
