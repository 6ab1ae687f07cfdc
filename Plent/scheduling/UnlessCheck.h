#pragma once
#include <cstdint>

#include "ExceptionDates.h"
#include "Plent/model/CPlent.h"
#include "Platform/dates/DateTime.h"
#include "UnlessHit.h"
#include "UnlessMasks.h"

namespace Plent {

// Whether an event's unless rule holds at a moment, and which of its tests
// holds first. The calendar tests and the table depend on the date alone,
// the time window on the time of day alone; the next-start search uses that
// to pass over whole days and closed hours at once.
class UnlessCheck {
public:
    enum class Reason { None, Calendar, TimeWindow, Table };

    // With masks, the rules' masks are taken from there; without, each look
    // builds its rule's mask afresh.
    explicit UnlessCheck(ExceptionDates& table, UnlessMasks* masks = nullptr) : table_(table), masks_(masks) {}

    // The tests in their fixed order: every month, this month, weekday, the
    // daily time window (minute and hour repetitions only), the table. The
    // table is asked only when the others do not hold; its errors pass on.
    // With hit, also which element of the test held (None when none did).
    Reason firstHolding(const CPlent& event, Platform::DateTime at, UnlessHit* hit = nullptr) const;
    bool holds(const CPlent& event, Platform::DateTime at) const { return firstHolding(event, at) != Reason::None; }

    static int16_t LastDayOfMonth(Date date);

private:
    static bool timeWindowHolds(const CPlent& event, Platform::DateTime at);

    ExceptionDates& table_;
    UnlessMasks* masks_;
};

} // namespace Plent
