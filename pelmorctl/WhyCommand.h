#pragma once
#include "Command.h"

namespace Ctl {

// pelmorctl why FILE IDENTIFIER [--at TIME] [--table PATH] [--json]: what
// the engine decides for an event at a moment, and why.
class WhyCommand : public Command {
public:
    std::string name() const override { return "why"; }
    std::string synopsis() const override { return "why FILE IDENTIFIER [--at TIME] [--table PATH] [--json]"; }
    std::string summary() const override { return "explain why an event starts, or does not, at a moment"; }
    std::string help() const override;
    std::vector<std::string> positionals() const override { return {"FILE", "IDENTIFIER"}; }
    std::vector<OptionSpec> options() const override { return {{"at", true}, {"table", true}, {"json", false}}; }
    void run(const Arguments& args, Console& io) override;
};

} // namespace Ctl
