#include "RunFields.h"

namespace Plent {

RunFields RunFields::of(const CPlent& event)
{
    return {event.NextStart(), event.RegularStart(), event.LastStart(), event.Status(), event.Finished()};
}

void RunFields::applyTo(CPlent& event) const
{
    event.setNextStart(NextStart);
    event.setRegularStart(RegularStart);
    event.setLastStart(LastStart);
    event.setStatus(Status);
    event.setFinished(Finished);
}

bool RunFields::sameSchedule(const RunFields& other) const
{
    return NextStart == other.NextStart && RegularStart == other.RegularStart &&
           Finished == other.Finished;
}

bool RunFields::operator==(const RunFields& other) const
{
    return sameSchedule(other) && LastStart == other.LastStart && Status == other.Status;
}

} // namespace Plent
