#pragma once
#include <memory>
#include <string>
#include <vector>

#include "Command.h"
#include "Console.h"

namespace Ctl {

// pelmorctl itself: picks the command named by the first word, checks its
// arguments, runs it, and turns every failure into a message on standard
// error and an exit status. Message boxes of the engine go to standard error
// while a command runs.
class CtlApp {
public:
    CtlApp();

    // words: the command line without the program name. Returns the exit status.
    int run(const std::vector<std::string>& words, Console& io);

    std::string programHelp() const;
    static std::string commandHelp(const Command& command);

private:
    static int unknownCommand(const std::string& name, Console& io);
    Command* find(const std::string& name) const;
    int runCommand(Command& command, const std::vector<std::string>& words, Console& io);

    std::vector<std::unique_ptr<Command>> commands_;
};

} // namespace Ctl
