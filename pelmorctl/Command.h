#pragma once
#include <string>
#include <vector>

#include "Arguments.h"
#include "Console.h"

namespace Ctl {

// One pelmorctl command: what it is called, what it takes, its help, and
// the work itself. The dispatcher checks the arguments against positionals()
// and options() before it calls run().
class Command {
public:
    virtual ~Command() = default;

    virtual std::string name() const = 0;
    // The command line after "pelmorctl", e.g. "list FILE [--tsv]".
    virtual std::string synopsis() const = 0;
    // One line for the program's help.
    virtual std::string summary() const = 0;
    // What the command does, its arguments and options, and an example.
    virtual std::string help() const = 0;
    // The names of the positional arguments, in order.
    virtual std::vector<std::string> positionals() const = 0;
    virtual std::vector<OptionSpec> options() const { return {}; }

    // Fails with CtlError (or the engine's AutomationError).
    virtual void run(const Arguments& args, Console& io) = 0;
};

} // namespace Ctl
