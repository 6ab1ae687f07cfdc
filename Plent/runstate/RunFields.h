#pragma once
#include <cstdint>

#include "Plent/model/CPlent.h"

namespace Plent {

// The fields of an event that handing it out changes. The rest of the event
// is its definition, which only the user changes.
struct RunFields {
    Date NextStart = 0;
    Date RegularStart = 0;
    Date LastStart = 0;
    int16_t Status = 0;
    bool Finished = false;

    static RunFields of(const CPlent& event);
    void applyTo(CPlent& event) const;

    // Dates compare by value: the least change counts, and the state file
    // gives back every date but the sign of a zero, which no date needs.
    bool operator==(const RunFields& other) const;
    // The schedule: where the event's next start lies and whether it has one.
    bool sameSchedule(const RunFields& other) const;
};

} // namespace Plent
