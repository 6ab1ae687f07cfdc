#pragma once
#include <optional>

#include "RunState.h"
#include "Plent/model/colPlents.h"

namespace Plent {

// How the run state meets a freshly loaded event file, field by field.
// Where the file still holds the base, the runner's value is newer and
// wins; where the file differs from the base, the user changed that field
// and the file wins. The schedule (next start, regular start, finished) goes
// as one: a new first start from the editor brings its own grid and its
// own "not finished yet" with it.
//
// The entry of an event that a load does not hold (an emptied or cut file,
// an event taken out for a while) is kept, marked missing since that load,
// and applies again when the event comes back defined as before. It goes
// when the event comes back defined otherwise, or when it has been missing
// for more than KeepMissingDays days.
class RunStateMerge {
public:
    static constexpr double KeepMissingDays = 90;

    // The run fields of an event the runner has run.
    static RunFields merge(const RunFields& file, const StateEntry& entry);
    // Whether an event deleted after it was done stays deleted: as long as
    // the file holds it as it was when it was deleted.
    static bool staysRemoved(const RunFields& file, const std::string& definition, const StateEntry& entry);

    // Applies the state to the events just loaded at now: merged run
    // fields, and events that stay deleted taken out. Answers the state that
    // goes with this load: every entry rebased on the file's values, entries
    // the file no longer needs (nothing beyond the file, a changed
    // definition, missing too long) dropped, the others kept as missing.
    static RunState apply(colPlents& events, const RunState& state, Date now);

private:
    static std::optional<StateEntry> applyEntry(colPlents& events, const StateEntry& entry, Date now);
    static std::optional<StateEntry> keptWhileMissing(const StateEntry& entry, Date now);
};

} // namespace Plent
