#include "EventFileChanges.h"

namespace Plent {

void EventFileChanges::markSaved(const std::string& file, uint64_t revision)
{
    saved_ = revision;
    file_ = Platform::FileIdentity::of(file);
}

bool EventFileChanges::fileChanged(const std::string& file) const { return Platform::FileIdentity::of(file) != file_; }

} // namespace Plent
