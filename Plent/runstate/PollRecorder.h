#pragma once
#include <memory>
#include <utility>
#include <vector>

#include "RunFields.h"
#include "Plent/model/colPlents.h"

namespace Plent {

// What one poll did to the events: it notes every event's run fields before
// the poll and tells afterwards which events the poll changed (handed out,
// or seen as done by the delay rule) and which it took out (deleted after
// done). A poll adds no events, and nothing else runs while it does.
class PollRecorder {
public:
    struct Changes {
        std::vector<std::shared_ptr<CPlent>> changed;
        std::vector<std::shared_ptr<CPlent>> removed;
        bool empty() const { return changed.empty() && removed.empty(); }
    };

    void begin(const colPlents& events);
    bool active() const { return active_; }
    Changes end(const colPlents& events);

private:
    std::vector<std::pair<std::shared_ptr<CPlent>, RunFields>> before_;
    bool active_ = false;
};

} // namespace Plent
