#pragma once
#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "Plent/scheduling/Schedule.h"

namespace Ctl {

// An event file read and written through the engine's own load and save,
// with the engine's errors turned into failures that name the file.
class EventStore {
public:
    // The events and rules of a fresh engine, reading the table's dates in
    // the user's locale as the engine does.
    static Plent::Schedule newSchedule();
    // Adds the events of the file at path. What the load finds out of place
    // goes to err, a line each, and the loading goes on as the engine does;
    // the result is how many such notices there were.
    static size_t load(Plent::Schedule& schedule, const std::string& path, std::ostream& err);
    // The events as the runner sees them: loaded as above, with the run
    // state the runner keeps beside the file merged in unless withState is
    // false. A state file that cannot be read is named on err and left out;
    // it is never changed.
    static void loadForShowing(Plent::Schedule& schedule, const std::string& path, bool withState, std::ostream& err);
    // One event as the runner sees it, read with the table at tablePath
    // when one is given; an identifier the file does not hold is bad input.
    static std::shared_ptr<Plent::CPlent> loadEventForShowing(Plent::Schedule& schedule, const std::string& path,
                                                              const std::string& identifier,
                                                              const std::optional<std::string>& tablePath,
                                                              std::ostream& err);

    // The option that leaves the run state out, and what the help says of it.
    static constexpr const char* NoState = "no-state";
    static constexpr const char* StateHelp =
        "The events are shown as the runner sees them: what it has run since the\n"
        "file was saved (next and last starts, status, events deleted after they\n"
        "were done) is kept in the run state file beside FILE (FILE with the\n"
        "extension .state) and merged in. With --no-state the file alone is shown.\n\n";
    // Writes the events to path. The file is replaced only once the new one
    // is complete, so a failed save leaves it as it was.
    static void save(Plent::Schedule& schedule, const std::string& path);
};

} // namespace Ctl
