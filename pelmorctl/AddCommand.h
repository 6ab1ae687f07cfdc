#pragma once
#include "Command.h"

namespace Ctl {

// pelmorctl add FILE --id ID --command CMD --at TIME [...]: one new event,
// made as the editor makes it.
class AddCommand : public Command {
public:
    std::string name() const override { return "add"; }
    std::string synopsis() const override
    {
        return "add FILE --id ID --command CMD [--description TEXT] --at TIME [--every N UNIT | --once | --each-start]\n"
               "       [--from HHMM --to HHMM] [--except LIST] [--delay MIN --late do|skip|alarm]\n"
               "       [--delete-after-done] [--move-to-next-day] [--table PATH]";
    }
    std::string summary() const override { return "add an event to an event file"; }
    std::string help() const override;
    std::vector<std::string> positionals() const override { return {"FILE"}; }
    std::vector<OptionSpec> options() const override;
    void run(const Arguments& args, Console& io) override;
};

} // namespace Ctl
