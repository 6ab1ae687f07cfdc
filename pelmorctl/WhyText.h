#pragma once
#include <ostream>
#include <string>

#include "Plent/scheduling/StartTrace.h"
#include "WhyFacts.h"

namespace Ctl {

// The engine's decisions for one event at one moment, in plain sentences.
class WhyText {
public:
    static void write(std::ostream& out, const WhyFacts& facts);

    // The element of the unless rule that held, e.g. "Saturday" or "day 24
    // of December".
    static std::string element(const Plent::UnlessHit& hit, Platform::DateTime at);
    static std::string step(const Plent::StartTrace::Step& step);
    static std::string endText(Plent::StartTrace::End end);
    static std::string delayText(const WhyFacts::Delay& delay);
    static std::string runText(const WhyFacts::Run& run);

private:
    static void writeTrace(std::ostream& out, const Plent::StartTrace& trace);
    static void writeDue(std::ostream& out, const WhyFacts& facts);
};

} // namespace Ctl
