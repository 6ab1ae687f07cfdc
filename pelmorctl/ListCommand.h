#pragma once
#include "Command.h"
#include "EventStore.h"

namespace Ctl {

// pelmorctl list FILE [--tsv] [--no-state]: the events in list order, as the
// runner sees them, as a table for people or as tab-separated lines.
class ListCommand : public Command {
public:
    std::string name() const override { return "list"; }
    std::string synopsis() const override { return "list FILE [--tsv] [--no-state]"; }
    std::string summary() const override { return "show the events of an event file"; }
    std::string help() const override;
    std::vector<std::string> positionals() const override { return {"FILE"}; }
    std::vector<OptionSpec> options() const override { return {{"tsv", false}, {EventStore::NoState, false}}; }
    void run(const Arguments& args, Console& io) override;
};

} // namespace Ctl
