#pragma once
#include "Command.h"

namespace Ctl {

// pelmorctl list FILE [--tsv]: the events in list order, as a table for
// people or as tab-separated lines.
class ListCommand : public Command {
public:
    std::string name() const override { return "list"; }
    std::string synopsis() const override { return "list FILE [--tsv]"; }
    std::string summary() const override { return "show the events of an event file"; }
    std::string help() const override;
    std::vector<std::string> positionals() const override { return {"FILE"}; }
    std::vector<OptionSpec> options() const override { return {{"tsv", false}}; }
    void run(const Arguments& args, Console& io) override;
};

} // namespace Ctl
