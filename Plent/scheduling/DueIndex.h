#pragma once
#include <cstddef>
#include <cstdint>
#include <limits>
#include <memory>
#include <optional>
#include <set>
#include <unordered_map>
#include <utility>
#include <vector>

#include "Plent/model/colPlents.h"

namespace Plent {

// The events' next starts in time order, so that a poll finds the due
// events without visiting the others. Only events neither finished nor
// stopped, and with an identifier, are filed. The index follows the
// collection by its owner's revision of the events: any change it was not
// told about makes it file all events again at the next look; its owner's
// own changes to one event refile that event alone.
class DueIndex {
public:
    // The event of the lowest list position (0-based) at or after from whose
    // next start has come at now, and that position; nothing when none.
    // The events are at revision.
    std::shared_ptr<CPlent> firstDue(const colPlents& events, uint64_t revision, Platform::DateTime now, size_t from,
                                     size_t& position);
    // The owner changed this event (still in the collection), which moved the
    // revision of the events from before to after.
    void changedHere(const CPlent& event, uint64_t before, uint64_t after);
    // Everything is to be filed again at the next look.
    void invalidate() { events_ = nullptr; }

    // The earliest moment after the poll at `poll` at which a poll may find
    // something to do, or nothing. Once the first poll has passed, only two
    // moments change what the engine does with an event that is neither
    // finished nor stopped: its next start, and the end of its delay window.
    // The engine compares them rounded to the second, so they are taken a
    // second early, and as passed only a second after they are. Of the
    // events not yet due only the earliest counts (a delay window ends after
    // its start, and a delay of 0 or less is no window, whose end changes
    // nothing); the due ones are visited, and after a poll that handed out
    // all it could there are none.
    std::optional<Platform::DateTime> earliestChange(const colPlents& events, uint64_t revision, Platform::DateTime poll);

private:
    static constexpr int64_t Never = std::numeric_limits<int64_t>::min();

    void sync(const colPlents& events, uint64_t revision);
    void file(size_t position, const CPlent& event);
    void unfile(size_t position);
    void release(int64_t now);
    const CPlent& eventAt(size_t position) const { return *events_->Item(static_cast<int64_t>(position) + 1); }

    const colPlents* events_ = nullptr;
    uint64_t seen_ = 0;
    std::vector<std::optional<int64_t>> startOf_;
    std::unordered_map<const CPlent*, size_t> positionOf_;
    std::set<std::pair<int64_t, size_t>> waiting_;
    std::set<size_t> ready_;
    int64_t readyAt_ = Never;
};

} // namespace Plent
