#pragma once
#include "Command.h"

namespace Ctl {

// pelmorctl export FILE: the events as JSON on standard output.
class ExportCommand : public Command {
public:
    std::string name() const override { return "export"; }
    std::string synopsis() const override { return "export FILE"; }
    std::string summary() const override { return "write the events as JSON"; }
    std::string help() const override;
    std::vector<std::string> positionals() const override { return {"FILE"}; }
    void run(const Arguments& args, Console& io) override;
};

} // namespace Ctl
