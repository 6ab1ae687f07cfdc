#pragma once
#include <set>
#include <string>

#include "Platform/dates/DateTime.h"

namespace Plent {

class CPlent;

// The events that are due but cannot be handed out because the fixed-date
// table their rule needs cannot be read. They are passed over for the rest
// of the second in which they were held (the poll that found them) and
// tried again later; each streak of holds of one event is told once.
class HeldEvents {
public:
    // Forgets the holds of an earlier second, so that they are tried again.
    void tryAgainAfter(Platform::DateTime now);
    bool holds(const CPlent& event) const;
    // Holds the event; answers whether this begins its streak.
    bool hold(const CPlent& event, Platform::DateTime now);
    // The event was handed out: a later hold begins a new streak.
    void handedOut(const CPlent& event);

private:
    std::set<std::string> held_;
    std::set<std::string> told_;
    Platform::DateTime heldAt_;
};

} // namespace Plent
