#include "RunnerInfo.h"

#include <string>

#include "Platform/process/ClientHelp.h"

const Platform::ProgramInfo& RunnerInfo()
{
    static const Platform::ProgramInfo info{"pelmor", PELMOR_VERSION, R"(Usage: pelmor [--help | --version]
Starts the command lines of your scheduled events when they are due.

The runner opens the list window "Display all events" and every five seconds
starts the command line of each event that is due. It ends when the list
window is closed, or with SIGINT or SIGTERM. It never saves the event file:
create and keep events with pelmor-edit. Without an option it takes no
arguments.

Options:
  --help      show this help and exit
  --version   show the version and exit

Files:
  Pelmor.dat  the event file, read at start
  Pelmor.tab  the table of dates on which events marked "from table" do not
              start, one date per line

Both live in the runner's data directory: the directory of the program when
it holds Pelmor.dat (a build tree or an installation of your own), otherwise
$PELMOR_HOME, else $XDG_DATA_HOME/pelmor, else ~/.local/share/pelmor. That
directory is made on the first start, with an empty event file.

)" + std::string(ClientHelp) + R"(Exit status:
  0  the list window was closed, or the runner was asked to end
  1  an error, reported with its number, source and text
)"};
    return info;
}
