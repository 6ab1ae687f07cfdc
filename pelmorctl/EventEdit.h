#pragma once
#include <memory>
#include <ostream>
#include <string>

#include "Plent/engine/CPlentEngine.h"
#include "Plent/scheduling/Schedule.h"

namespace Ctl {

// One change of an event file through the engine: the file alone (what the
// user wrote, without the runner's run state) is loaded into an engine, the
// engine's operation changes it, and the file is written safely. A file the
// engine could not read completely is never written, so that the part it
// did not read is not lost.
class EventEdit {
public:
    // A file that does not exist starts empty when mayCreate is true.
    EventEdit(const std::string& path, bool mayCreate, std::ostream& err);

    Plent::CPlentEngine& engine() { return *engine_; }
    // The event, or a bad input naming the file.
    std::shared_ptr<Plent::CPlent> event(const std::string& identifier);
    void save();

    // The event as 'pelmorctl list' shows it, headings included.
    static void print(std::ostream& out, const std::shared_ptr<Plent::CPlent>& event);

private:
    std::string path_;
    Plent::Schedule file_;
    std::shared_ptr<Plent::CPlentEngine> engine_;
};

} // namespace Ctl
