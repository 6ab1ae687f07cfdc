#pragma once
#include "Command.h"

namespace Ctl {

// pelmorctl history FILE [--id ID] [--since TIME] [--failed] [--output]
// [--json]: what the runner started from the event file FILE and how each
// run went, oldest first.
class HistoryCommand : public Command {
public:
    std::string name() const override { return "history"; }
    std::string synopsis() const override
    {
        return "history FILE [--id ID] [--since TIME] [--failed] [--output] [--json]";
    }
    std::string summary() const override { return "show what the runner started and how it went"; }
    std::string help() const override;
    std::vector<std::string> positionals() const override { return {"FILE"}; }
    std::vector<OptionSpec> options() const override
    {
        return {{"id", true}, {"since", true}, {"failed", false}, {"output", false}, {"json", false}};
    }
    void run(const Arguments& args, Console& io) override;
};

} // namespace Ctl
