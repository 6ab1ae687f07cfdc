#include "PollRecorder.h"

#include <unordered_set>

namespace Plent {

void PollRecorder::begin(const colPlents& events)
{
    before_.clear();
    before_.reserve(static_cast<size_t>(events.Count()));
    for (const auto& e : events) before_.emplace_back(e, RunFields::of(*e));
    active_ = true;
}

// Only a poll that took events out needs to look for them.
PollRecorder::Changes PollRecorder::end(const colPlents& events)
{
    Changes changes;
    std::unordered_set<const CPlent*> present;
    const bool someRemoved = static_cast<size_t>(events.Count()) < before_.size();
    if (someRemoved) {
        for (const auto& e : events) present.insert(e.get());
    }
    for (const auto& [event, fields] : before_) {
        if (someRemoved && !present.count(event.get())) changes.removed.push_back(event);
        else if (!(RunFields::of(*event) == fields)) changes.changed.push_back(event);
    }
    before_.clear();
    active_ = false;
    return changes;
}

} // namespace Plent
