#pragma once
#include <memory>
#include <string>

#include "Plent/model/colPlents.h"

namespace Plent {

// Reads an event file that changed while the runner runs into a collection
// of its own. Unlike the first load, which takes what it can and announces
// the rest, a reload takes the file only when it is whole: anything the
// loader would announce, any error, and a file that goes on after its
// events' section (or has none) make it fail, so that a half-written file
// never replaces the events the runner has.
class EventFileReload {
public:
    static constexpr const char* Source = "EventFileReload";

    // Fails with an AutomationError saying what is wrong with the file.
    static std::shared_ptr<colPlents> load(const std::string& path);
};

} // namespace Plent
