#include "RunnerInfo.h"

#include <string>

#include "Platform/process/ClientHelp.h"

const Platform::ProgramInfo& RunnerInfo()
{
    static const Platform::ProgramInfo info{"pelmor", PELMOR_VERSION, R"(Usage: pelmor [--background | --status | --help | --version]
Starts the command lines of your scheduled events when they are due.

Without an option the runner opens the list window "Display all events" and
every five seconds starts the command line of each event that is due. It
ends when the list window is closed, or with SIGINT or SIGTERM. It never
saves the event file: create and keep events with pelmor-edit.

With --background it polls and starts the same way, but opens no window
and goes on when its windows are closed: this is how it runs from login,
started by the autostart entry or by the systemd user unit pelmor.service
(systemctl --user enable --now pelmor). Where the desktop has a tray, its
icon names the next start and the number of events, turns green while a
program of an event runs and red after a failure until you have looked;
its menu has "Display all events" and "Exit". Closing the list window then
only hides it; Exit in its File menu or in the tray ends the runner.

Where there is no display at all, the runner (in either way) falls back to
Qt's offscreen platform: it schedules, but shows no windows.

Only one runner runs for a data directory: a second start, in either way,
opens the list window of the running one and ends.

Options:
  --background  run without opening the list window, until told to end
  --status      tell whether a runner runs for the data directory: its
                process, since when, the next start and the last failure
  --help        show this help and exit
  --version     show the version and exit

Files:
  Pelmor.dat  the event file, read at start
  Pelmor.tab  the table of dates on which events marked "from table" do not
              start, one date per line

Both live in the runner's data directory: the directory of the program when
it holds Pelmor.dat (a build tree or an installation of your own), otherwise
$PELMOR_HOME, else $XDG_DATA_HOME/pelmor, else ~/.local/share/pelmor. That
directory is made on the first start, with an empty event file.

)" + std::string(ClientHelp) + R"(Exit status:
  0  the list window was closed, or the runner was asked to end; with
     --status: a runner runs
  1  an error, reported with its number, source and text
  2  an option the runner does not know
  3  with --status: no runner runs
)"};
    return info;
}

std::optional<RunnerMode> RunnerModeOf(int argc, const char* const* argv, std::ostream& err)
{
    if (argc == 1) return RunnerMode::Foreground;
    const std::string option = argv[1];
    if (argc == 2 && option == "--background") return RunnerMode::Background;
    if (argc == 2 && option == "--status") return RunnerMode::Status;
    err << "pelmor: unknown option '" << (argc == 2 ? option : std::string(argv[2])) << "'; see pelmor --help"
        << std::endl;
    return std::nullopt;
}
