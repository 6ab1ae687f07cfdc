#include "EditorInfo.h"

#include <string>

#include "Platform/process/ClientHelp.h"

const Platform::ProgramInfo& EditorInfo()
{
    static const Platform::ProgramInfo info{"pelmor-edit", PELMOR_VERSION, R"(Usage: pelmor-edit [EVENT-FILE]
  or:  pelmor-edit --help | --version
Creates, changes and saves the scheduled events of the runner.

Opens the list window on the event file, where events are inserted, edited,
viewed, deleted, stopped and resumed through the "DataRecords" menu, the
toolbar or the context menu, and written with "save" in the "File" menu.
Nothing is saved on its own. A file that does not exist yet starts empty and
is made by the first save; a file that cannot be read completely is not
opened. The runner reads the event file when it starts.

Options:
  --help      show this help and exit
  --version   show the version and exit

Files:
  Without EVENT-FILE it edits the runner's event file Pelmor.dat in the
  runner's data directory: the directory of the program when it holds
  Pelmor.dat (a build tree or an installation of your own), otherwise
  $PELMOR_HOME, else $XDG_DATA_HOME/pelmor, else ~/.local/share/pelmor. The
  table of exception dates Pelmor.tab is read from the same directory.

)" + std::string(ClientHelp) + R"(Exit status:
  0  the window was closed
  1  an error, reported with its number, source and text
  2  bad usage
)"};
    return info;
}
