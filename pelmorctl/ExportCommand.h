#pragma once
#include "Command.h"
#include "EventStore.h"

namespace Ctl {

// pelmorctl export FILE [--no-state]: the events, as the runner sees them, as
// JSON on standard output.
class ExportCommand : public Command {
public:
    std::string name() const override { return "export"; }
    std::string synopsis() const override { return "export FILE [--no-state]"; }
    std::string summary() const override { return "write the events as JSON"; }
    std::string help() const override;
    std::vector<std::string> positionals() const override { return {"FILE"}; }
    std::vector<OptionSpec> options() const override { return {{EventStore::NoState, false}}; }
    void run(const Arguments& args, Console& io) override;
};

} // namespace Ctl
