#pragma once
#include "Command.h"

namespace Ctl {

// pelmorctl remove|stop|go FILE ID: removes an event, stops it (the list
// window's deactivate: Status "stopped", never handed out) or lets it go
// again (activate: Status "still open"), as the list window's commands do,
// and prints the event as 'list' does.
class ChangeCommand : public Command {
public:
    enum class Change { Remove, Stop, Go };

    explicit ChangeCommand(Change change) : change_(change) {}

    std::string name() const override;
    std::string synopsis() const override { return name() + " FILE ID"; }
    std::string summary() const override;
    std::string help() const override;
    std::vector<std::string> positionals() const override { return {"FILE", "ID"}; }
    void run(const Arguments& args, Console& io) override;

private:
    Change change_;
};

} // namespace Ctl
