#pragma once
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
    // goes to err, a line each, and the loading goes on as the engine does.
    static void load(Plent::Schedule& schedule, const std::string& path, std::ostream& err);
    // Writes the events to path. The file is replaced only once the new one
    // is complete, so a failed save leaves it as it was.
    static void save(Plent::Schedule& schedule, const std::string& path);
};

} // namespace Ctl
