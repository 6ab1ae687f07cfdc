#pragma once
#include <cstdint>
#include <string>

#include "Platform/files/FileIdentity.h"

namespace Plent {

// What a list window on an event file knows since its events were last
// opened or saved: whether they changed since (their revision moved on), and
// whether the file changed on disk meanwhile, saved by another window or by
// an import.
class EventFileChanges {
public:
    // The events as they are now, at revision, and the file as it is now,
    // are the saved state.
    void markSaved(const std::string& file, uint64_t revision);
    bool eventsChanged(uint64_t revision) const { return revision != saved_; }
    bool fileChanged(const std::string& file) const;

private:
    uint64_t saved_ = 0;
    Platform::FileIdentity file_;
};

} // namespace Plent
