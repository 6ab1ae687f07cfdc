#include "EventFileChanges.h"

#include "Plent/model/ModelRevision.h"

namespace Plent {

void EventFileChanges::markSaved(const std::string& file)
{
    events_ = ModelRevision::Events();
    rules_ = ModelRevision::Rules();
    file_ = Platform::FileIdentity::of(file);
}

bool EventFileChanges::eventsChanged() const
{
    return ModelRevision::Events() != events_ || ModelRevision::Rules() != rules_;
}

bool EventFileChanges::fileChanged(const std::string& file) const { return Platform::FileIdentity::of(file) != file_; }

} // namespace Plent
