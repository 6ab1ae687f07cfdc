// The runner's start procedure: loads the message library of the user's
// language from the runner's own directory, loads the hidden form (which
// creates the engine) and hands it the library. The loaded form keeps the program alive until it unloads.
#include <QApplication>

#include <iostream>
#include <memory>
#include <optional>

#include "RunnerInfo.h"
#include "SingleRunner.h"
#include "TestClock.h"
#include "frmPelmor.h"
#include "Platform/locale/LanguageChoice.h"
#include "Platform/modules/Library.h"
#include "Platform/modules/ModulePath.h"
#include "Platform/process/TerminationSignal.h"
#include "Platform/ui/FatalErrorReport.h"

int main(int argc, char** argv)
{
    if (RunnerInfo().answer(argc, argv, std::cout)) return 0;
    TestClock::installFromEnvironment();
    QApplication app(argc, argv);
    // The runner ends at the poll after the list window has closed, not
    // when its last window closes.
    QApplication::setQuitOnLastWindowClosed(false);
    Platform::TerminationSignal termination;
    // Taken before the events are loaded: a second runner on the same
    // directory would start every due event a second time.
    std::string eventFile;
    try {
        eventFile = frmPelmor::EventFilePath();
    } catch (const Platform::AutomationError& error) {
        Platform::FatalErrorReport::show(error);
        return 1;
    }
    SingleRunner single(eventFile);
    if (const std::optional<int> status = single.take()) return *status;

    const std::string library = Platform::LanguageChoice::libraryIn(Platform::ModulePath::executableDir()).string();
    const Platform::ModuleHandle hMsg = Platform::LoadLibraryA(library.c_str());
    std::unique_ptr<frmPelmor> form;
    // A form that unloads during Init has no event loop to end yet.
    std::optional<int> unloadedWith;
    try {
        form = std::make_unique<frmPelmor>();
        QObject::connect(form.get(), &frmPelmor::unloaded, &app, [&unloadedWith](int status) {
            unloadedWith = status;
            QCoreApplication::exit(status);
        });
        QObject::connect(&termination, &Platform::TerminationSignal::received, form.get(), &frmPelmor::EndSession);
        QObject::connect(&single, &SingleRunner::showRequested, form.get(), &frmPelmor::ShowListWindow);
        form->setPollGuard([&single] { return single.stillHeld(); });
        single.setStartHandler([&form](const std::string& identifier, std::string& detail) {
            return form ? form->StartNow(identifier, detail) : Kalvor::NoRunner;
        });
        form->Init(hMsg);
        single.listen();
    } catch (const Platform::AutomationError& error) {
        Platform::FatalErrorReport::show(error, Platform::ErrorReport(hMsg, frmPelmor::BaseOffset));
        // Once the form is loaded it holds the library and frees it itself.
        if (form) form.reset();
        else if (hMsg > 0) Platform::FreeLibrary(hMsg);
        return 1;
    }
    return unloadedWith ? *unloadedWith : app.exec();
}
