#pragma once
#include <string>

#include "WhyFacts.h"

namespace Plent {
class CPlent;
class Schedule;
} // namespace Plent

namespace Ctl {

// Asks the engine's own rules what they decide for one event at a moment:
// the grid point the moment falls after and the start the next-start rule
// makes of it, the delay rule for a start that has come, the run the
// history holds of it, and the start after the moment. It works on copies;
// the events are not changed.
class WhyAnalysis {
public:
    // schedule: the events as the runner sees them, with the table path set.
    // history: the path of the run history beside the event file.
    WhyAnalysis(Plent::Schedule& schedule, std::string history) : schedule_(schedule), history_(std::move(history)) {}

    WhyFacts of(const Plent::CPlent& event, Platform::DateTime at);

private:
    void startOfGridPoint(const Plent::CPlent& event, WhyFacts& facts);
    void atTheStart(const Plent::CPlent& event, WhyFacts& facts);
    void finished(const Plent::CPlent& event, WhyFacts& facts);
    void handOutAt(Plent::CPlent copy, WhyFacts& facts);
    std::optional<WhyFacts::Run> runOf(const Plent::CPlent& event, Platform::DateTime start) const;

    Plent::Schedule& schedule_;
    std::string history_;
};

} // namespace Ctl
