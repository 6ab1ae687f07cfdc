#include "RunnerOutlook.h"

namespace Plent {

RunnerOutlook RunnerOutlook::of(const colPlents& events)
{
    RunnerOutlook outlook;
    outlook.events = static_cast<int32_t>(events.Count());
    for (const auto& event : events) {
        const bool waits = !event->Finished() && event->Status() != Status::Stopped && event->NextStart() != 0 &&
                           !event->Identifier().empty();
        if (!waits || (outlook.nextStart != 0 && event->NextStart() >= outlook.nextStart)) continue;
        outlook.nextIdentifier = event->Identifier();
        outlook.nextStart = event->NextStart();
    }
    return outlook;
}

} // namespace Plent
