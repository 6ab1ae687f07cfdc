// PelmorEdit: the events of the runner's event file in the engine's list
// window, where they can be inserted, changed, deleted, stopped, resumed and
// saved. The runner reads the saved file at its next start.
//
//   PelmorEdit [event-file]
//
// Without an argument it edits the runner's own "Pelmor.dat" in the
// runner's data directory. A file that does not exist yet is made by the
// first save.
#include <QApplication>
#include <QStringList>

#include <filesystem>
#include <iostream>

#include "EditorInfo.h"
#include "EventFileEditor.h"
#include "Plent/files/RunnerFiles.h"
#include "Plent/files/UserDirectory.h"
#include "Platform/automation/AutomationError.h"
#include "Platform/locale/LanguageChoice.h"
#include "Platform/modules/Library.h"
#include "Platform/modules/ModulePath.h"
#include "Platform/process/TerminationSignal.h"
#include "Platform/ui/FatalErrorReport.h"
#include "Platform/ui/SessionEnd.h"

namespace fs = std::filesystem;

namespace {

constexpr int UsageError = 2;

fs::path eventFileOf(const QStringList& arguments, const fs::path& data)
{
    if (arguments.size() < 2) return data / Plent::RunnerFiles::EventFileName;
    return fs::absolute(fs::path(arguments[1].toStdString()));
}

} // namespace

int main(int argc, char** argv)
{
    if (EditorInfo().answer(argc, argv, std::cout)) return 0;
    if (argc > 2) {
        std::cerr << "usage: PelmorEdit [event-file]" << std::endl;
        return UsageError;
    }
    QApplication app(argc, argv);
    // Ctrl+C, a closed terminal and the end of the session close every
    // window, an open dialog as by Cancel, and the list window unguarded.
    Platform::TerminationSignal termination;
    QObject::connect(&termination, &Platform::TerminationSignal::received, &app, &Platform::SessionEnd::begin);

    const fs::path home = Platform::ModulePath::executableDir();
    const Platform::ModuleHandle hMsg = Platform::LoadLibraryA(Platform::LanguageChoice::libraryIn(home).c_str());
    int status = 0;
    try {
        const fs::path data = Plent::UserDirectory::runnerData();
        EventFileEditor editor;
        editor.Edit(hMsg, eventFileOf(app.arguments(), data).string(), (data / Plent::RunnerFiles::TableFileName).string());
    } catch (const Platform::AutomationError& error) {
        Platform::FatalErrorReport::show(error, Platform::ErrorReport(hMsg, EventFileEditor::BaseOffset));
        status = 1;
    }
    if (hMsg > 0) Platform::FreeLibrary(hMsg);
    return status;
}
