#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>

#include "Plent/model/colPlents.h"

namespace Plent {

// The start-up pass of one run of the engine: at its first look the
// once-per-start events are made ready again, then they are handed out one
// by one in list order until none is left, after which the pass is done for
// the run. The scan goes on where the last hand-out was found as long as
// nobody else changed the events.
class StartupPass {
public:
    bool ScanDone() const { return scanDone_; }
    bool ResetDone() const { return resetDone_; }

    // The next once-per-start event not handed out in this run, or nothing
    // (and the pass is done).
    std::shared_ptr<CPlent> next(const colPlents& events);
    // Makes the once-per-start events ready again, once per run.
    void reset(const colPlents& events);
    // The pass's own caller changed the events; revisionBefore is the
    // revision before that change.
    void changedHere(uint64_t revisionBefore);

private:
    bool scanDone_ = false;
    bool resetDone_ = false;
    size_t cursor_ = 0;
    uint64_t seen_ = 0;
    const colPlents* scanned_ = nullptr;
};

} // namespace Plent
