#pragma once
#include "Command.h"

namespace Ctl {

// pelmorctl simulate FILE --from TIME --to TIME [--table PATH]: a dry run
// of the runner over a period, on a copy of the events.
class SimulateCommand : public Command {
public:
    std::string name() const override { return "simulate"; }
    std::string synopsis() const override { return "simulate FILE --from TIME --to TIME [--table PATH]"; }
    std::string summary() const override { return "dry-run the runner over a period"; }
    std::string help() const override;
    std::vector<std::string> positionals() const override { return {"FILE"}; }
    std::vector<OptionSpec> options() const override { return {{"from", true}, {"to", true}, {"table", true}}; }
    void run(const Arguments& args, Console& io) override;
};

} // namespace Ctl
