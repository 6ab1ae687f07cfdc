#include "CtlApp.h"

#include <optional>
#include <sstream>

#include "AddCommand.h"
#include "ChangeCommand.h"
#include "CtlError.h"
#include "ExportCommand.h"
#include "HistoryCommand.h"
#include "ImportCommand.h"
#include "ListCommand.h"
#include "NextCommand.h"
#include "Plent/scheduling/FixedDateTable.h"
#include "Platform/automation/AutomationError.h"
#include "SimulateCommand.h"
#include "WhyCommand.h"

namespace Ctl {

CtlApp::CtlApp()
{
    commands_.push_back(std::make_unique<ListCommand>());
    commands_.push_back(std::make_unique<ExportCommand>());
    commands_.push_back(std::make_unique<ImportCommand>());
    commands_.push_back(std::make_unique<NextCommand>());
    commands_.push_back(std::make_unique<SimulateCommand>());
    commands_.push_back(std::make_unique<HistoryCommand>());
    commands_.push_back(std::make_unique<WhyCommand>());
    commands_.push_back(std::make_unique<AddCommand>());
    commands_.push_back(std::make_unique<ChangeCommand>(ChangeCommand::Change::Remove));
    commands_.push_back(std::make_unique<ChangeCommand>(ChangeCommand::Change::Stop));
    commands_.push_back(std::make_unique<ChangeCommand>(ChangeCommand::Change::Go));
}

int CtlApp::run(const std::vector<std::string>& words, Console& io)
{
    if (words.empty()) {
        io.err << programHelp();
        return ExitStatus::BadInput;
    }
    const std::string& first = words.front();
    if (first == "--version" && words.size() == 1) {
        io.out << "pelmorctl " << PELMOR_VERSION << '\n';
        return ExitStatus::Ok;
    }
    if (first == "--help" || first == "-h" || first == "help") {
        if (words.size() == 1) {
            io.out << programHelp();
            return ExitStatus::Ok;
        }
        const Command* command = find(words[1]);
        if (!command) return unknownCommand(words[1], io);
        io.out << commandHelp(*command);
        return ExitStatus::Ok;
    }
    Command* command = find(first);
    if (!command) return unknownCommand(first, io);
    return runCommand(*command, {words.begin() + 1, words.end()}, io);
}

int CtlApp::unknownCommand(const std::string& name, Console& io)
{
    io.err << "pelmorctl: unknown command '" << name << "'\nTry 'pelmorctl --help'.\n";
    return ExitStatus::BadInput;
}

int CtlApp::runCommand(Command& command, const std::vector<std::string>& words, Console& io)
{
    std::optional<Arguments> args;
    try {
        args.emplace(words, command.options());
        if (!args->helpWanted()) args->expectPositionals(command.positionals());
    } catch (const CtlError& e) {
        io.err << "pelmorctl " << command.name() << ": " << e.what() << "\nusage: pelmorctl " << command.synopsis()
               << "\nTry 'pelmorctl " << command.name() << " --help'.\n";
        return e.exitStatus();
    }
    if (args->helpWanted()) {
        io.out << commandHelp(command);
        return ExitStatus::Ok;
    }

    try {
        command.run(*args, io);
        if (!io.out.flush()) throw CtlError::failure("cannot write the output");
        return ExitStatus::Ok;
    } catch (const CtlError& e) {
        io.err << "pelmorctl " << command.name() << ": " << e.what() << '\n';
        return e.exitStatus();
    } catch (const Platform::AutomationError& e) {
        const bool table = e.source() == Plent::FixedDateTable::Source;
        if (table) io.err << "pelmorctl: " << Plent::FixedDateTable::FailureNotice() << '\n';
        io.err << "pelmorctl " << command.name() << ": " << CtlError::engineFailure("the engine failed", e).what()
               << '\n';
        if (table && !args->has("table"))
            io.err << "The unless rule of an event reads the table of exception dates: give it with --table PATH.\n";
        return ExitStatus::Failure;
    } catch (const std::exception& e) {
        io.err << "pelmorctl " << command.name() << ": " << e.what() << '\n';
        return ExitStatus::Failure;
    }
}

Command* CtlApp::find(const std::string& name) const
{
    for (const auto& command : commands_) {
        if (command->name() == name) return command.get();
    }
    return nullptr;
}

std::string CtlApp::commandHelp(const Command& command)
{
    return "usage: pelmorctl " + command.synopsis() + "\n\n" + command.help();
}

std::string CtlApp::programHelp() const
{
    std::ostringstream text;
    text << "usage: pelmorctl COMMAND [ARGUMENTS]\n"
            "   or: pelmorctl --help | --version\n\n"
            "Inspects, previews, simulates, exports and imports event files, shows what\n"
            "the runner started from them and explains why an event starts or does not,\n"
            "and adds, stops, resumes and removes events.\n\n"
            "Commands:\n";
    for (const auto& command : commands_) {
        text << "  " << command->name() << std::string(10 - command->name().size(), ' ') << command->summary() << '\n';
    }
    text << "\nDates are local wall-clock times written \"YYYY-MM-DD HH:MM:SS\"; seconds may be\n"
            "left out on input. Messages of the engine appear on standard error.\n"
            "Exit status: 0 success, 1 the file or the engine failed, 2 bad usage or input.\n"
            "\n"
            "Files:\n"
            "  The runner's event file is Pelmor.dat in its data directory: the directory\n"
            "  of the runner when it holds Pelmor.dat (a build tree or an installation of\n"
            "  your own), otherwise $PELMOR_HOME, else $XDG_DATA_HOME/pelmor, else\n"
            "  ~/.local/share/pelmor. Its table of exception dates, Pelmor.tab, lies\n"
            "  beside it. The commands take both by path: FILE and --table PATH.\n"
            "\n"
            "Examples:\n"
            "  Why did my backup not run on Saturday?\n"
            "    pelmorctl why Pelmor.dat backup --at \"2026-05-02 12:00\" --table Pelmor.tab\n"
            "  A backup at 02:00 every night but on weekends and the table's dates:\n"
            "    pelmorctl add Pelmor.dat --id backup --command \"/usr/bin/backup --all\" \\\n"
            "        --at \"2026-05-01 02:00\" --every 1 day --except sat,sun,table --table Pelmor.tab\n"
            "  Stop it, let it go again, remove it:\n"
            "    pelmorctl stop Pelmor.dat backup\n"
            "    pelmorctl go Pelmor.dat backup\n"
            "    pelmorctl remove Pelmor.dat backup\n"
            "\n"
            "Run 'pelmorctl COMMAND --help' for the details of a command.\n";
    return text.str();
}

} // namespace Ctl
