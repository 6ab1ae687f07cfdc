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
#include "Plent/client/LanguageLibrary.h"
#include "Plent/files/RunnerFiles.h"
#include "Platform/automation/AutomationError.h"
#include "Platform/process/TerminationSignal.h"
#include "Platform/ui/FatalErrorReport.h"
#include "Platform/ui/SessionEnd.h"

namespace fs = std::filesystem;

namespace {

constexpr int UsageError = 2;

std::string eventFileOf(const QStringList& arguments)
{
    if (arguments.size() < 2) return Plent::RunnerFiles::eventFile();
    return fs::absolute(fs::path(arguments[1].toStdString())).string();
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

    const Plent::LanguageLibrary language = Plent::LanguageLibrary::load();
    try {
        const std::string table = Plent::RunnerFiles::table();
        EventFileEditor editor;
        editor.Edit(language.handle(), eventFileOf(app.arguments()), table);
    } catch (const Platform::AutomationError& error) {
        Platform::FatalErrorReport::show(error, Plent::LanguageLibrary::errorReport(language.handle()));
        return 1;
    }
    return 0;
}
