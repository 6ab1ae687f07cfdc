#pragma once
#include <functional>
#include <map>
#include <string>

#include "RunFields.h"
#include "Plent/model/colPlents.h"

namespace Plent {

// The runner's state as a window on its event file shows it: the events are
// loaded as the runner sees them (RunStateMerge), and saved so that the
// runner's merge still takes its own, newer values for every field the user
// left as shown. Where the user changed a field (stopped an event, gave it a
// new first start), the change is written and wins over the runner's value.
// The state file stays the runner's: it is only read.
class ShownRunState {
public:
    // Merges the state beside eventFile into the events just loaded from
    // it. Without a state file the events stay as the file holds them; one
    // that cannot be read fails as RunStateFile::read does, and leaves the
    // events as the file holds them.
    void load(colPlents& events, const std::string& eventFile, Date now);
    // Runs write (which saves the events) with the run fields the user left
    // as shown set back to the values the file held, and shows the merged
    // values again afterwards, also when write fails.
    void save(colPlents& events, const std::function<void()>& write);

private:
    struct Fields {
        RunFields inFile;
        RunFields shown;
    };
    static RunFields toWrite(const RunFields& current, const Fields& fields);
    // Both values as the events hold them now.
    void remember(const colPlents& events);
    void noteShown(const colPlents& events);

    // By folded identifier.
    std::map<std::string, Fields> fields_;
};

} // namespace Plent
