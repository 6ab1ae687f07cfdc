#pragma once
#include <cstdint>
#include <string>

#include "Platform/files/FileIdentity.h"

namespace Plent {

// What a list window on an event file knows since its events were last
// opened or saved: whether they changed since (the records' change counters
// moved on), and whether the file changed on disk meanwhile, saved by
// another window or by an import.
class EventFileChanges {
public:
    // The events as they are now, and the file as it is now, are the saved
    // state.
    void markSaved(const std::string& file);
    bool eventsChanged() const;
    bool fileChanged(const std::string& file) const;

private:
    uint64_t events_ = 0;
    uint64_t rules_ = 0;
    Platform::FileIdentity file_;
};

} // namespace Plent
