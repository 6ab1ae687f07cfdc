#pragma once
#include <string>
#include <unordered_map>

#include "RunFields.h"
#include "Plent/model/colPlents.h"

namespace Plent {

// The run fields each event had in the event file as it was last loaded:
// the base against which the next load tells the user's changes from the
// runner's.
class EventBases {
public:
    EventBases() = default;
    explicit EventBases(const colPlents& events);
    // Nothing for an event that is not in the file (one added in the
    // runner's own list window, which stays in memory only).
    const RunFields* find(const std::string& identifier) const;

private:
    std::unordered_map<std::string, RunFields> bases_;
};

} // namespace Plent
