#pragma once
#include "Command.h"

namespace Ctl {

// pelmorctl next FILE IDENTIFIER [--count N] [--at TIME] [--table PATH]:
// the coming starts of one event.
class NextCommand : public Command {
public:
    std::string name() const override { return "next"; }
    std::string synopsis() const override { return "next FILE IDENTIFIER [--count N] [--at TIME] [--table PATH]"; }
    std::string summary() const override { return "preview the next starts of an event"; }
    std::string help() const override;
    std::vector<std::string> positionals() const override { return {"FILE", "IDENTIFIER"}; }
    std::vector<OptionSpec> options() const override { return {{"count", true}, {"at", true}, {"table", true}}; }
    void run(const Arguments& args, Console& io) override;

    static constexpr int DefaultCount = 5;
    static constexpr int MaxCount = 100000;

private:
    static int count(const Arguments& args);
};

} // namespace Ctl
