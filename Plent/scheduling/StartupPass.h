#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>

#include "Plent/model/colPlents.h"

namespace Plent {

// The start-up pass of one run of the engine: once the once-per-start
// events have been made ready again (reset), they are handed out one
// by one in list order until none is left, after which the pass is done for
// the run. The scan goes on where the last hand-out was found as long as
// nobody else changed the events, as their owner's revision of them tells.
class StartupPass {
public:
    bool ScanDone() const { return scanDone_; }
    bool ResetDone() const { return resetDone_; }

    // The next once-per-start event not handed out in this run, or nothing
    // (and the pass is done).
    // The events are at revision.
    std::shared_ptr<CPlent> next(const colPlents& events, uint64_t revision);
    // Makes the once-per-start events ready again, once per run.
    void reset(const colPlents& events);
    // The pass's own caller changed the events, which moved their revision
    // from before to after.
    void changedHere(uint64_t before, uint64_t after);

private:
    bool scanDone_ = false;
    bool resetDone_ = false;
    size_t cursor_ = 0;
    uint64_t seen_ = 0;
    const colPlents* scanned_ = nullptr;
};

} // namespace Plent
