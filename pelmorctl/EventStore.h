#pragma once
#include <string>

namespace Plent {
class CPlentEngine;
}

namespace Ctl {

// An event file read and written through the engine's own load and save,
// with the engine's errors turned into failures that name the file.
class EventStore {
public:
    // Adds the events of the file at path to the engine. What the engine
    // announces while loading goes to the message boxes, and the loading
    // goes on as the engine does.
    static void load(Plent::CPlentEngine& engine, const std::string& path);

    // Writes the engine's events to path. The engine replaces the file only
    // once the new one is complete, so a failed save leaves it as it was.
    static void save(Plent::CPlentEngine& engine, const std::string& path);
};

} // namespace Ctl
