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
#include "TrayWatch.h"
#include "frmPelmor.h"
#include "Plent/client/LanguageLibrary.h"
#include "Plent/files/RunnerFiles.h"
#include "Plent/files/UserDirectory.h"
#include "Platform/modules/ModulePath.h"
#include "Platform/process/TerminationSignal.h"
#include "Platform/ui/FatalErrorReport.h"

namespace {

// The runner schedules also where there is no display (a user unit started
// before the desktop, a machine without one), and a second start there
// still finds the first: the window system is tried first, then the
// platform without windows.
void allowHeadless()
{
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) return;
    QByteArray platforms;
    if (qEnvironmentVariableIsSet("WAYLAND_DISPLAY")) platforms += "wayland;";
    if (qEnvironmentVariableIsSet("DISPLAY")) platforms += "xcb;";
    qputenv("QT_QPA_PLATFORM", platforms + "offscreen");
}

// Only looks: the data directory is not made for the question.
int printStatus(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    using Plent::UserDirectory;
    const auto dir = UserDirectory::locate(Platform::ModulePath::executableDir(), UserDirectory::Environment::current());
    SingleRunner single((dir / Plent::RunnerFiles::EventFileName).string());
    return single.printStatus(std::cout);
}

} // namespace

int main(int argc, char** argv)
{
    if (RunnerInfo().answer(argc, argv, std::cout)) return 0;
    const std::optional<RunnerMode> mode = RunnerModeOf(argc, argv, std::cerr);
    if (!mode) return 2;
    if (*mode == RunnerMode::Status) return printStatus(argc, argv);
    const bool background = *mode == RunnerMode::Background;
    TestClock::installFromEnvironment();
    allowHeadless();
    QApplication app(argc, argv);
    // The runner ends at the poll after the list window has closed, not
    // when its last window closes.
    QApplication::setQuitOnLastWindowClosed(false);
    Platform::TerminationSignal termination;
    // Taken before the events are loaded: a second runner on the same
    // directory would start every due event a second time.
    std::string eventFile;
    try {
        eventFile = Plent::RunnerFiles::eventFile();
    } catch (const Platform::AutomationError& error) {
        Platform::FatalErrorReport::show(error);
        return 1;
    }
    SingleRunner single(eventFile);
    if (const std::optional<int> status = single.take()) return *status;

    // Handed to the form, which frees it as it unloads; the handle stays
    // valid while the form is there.
    Plent::LanguageLibrary language = Plent::LanguageLibrary::load();
    const Platform::ModuleHandle hMsg = language.handle();
    std::unique_ptr<frmPelmor> form;
    std::unique_ptr<TrayWatch> tray;
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
        single.answerStatusWith([&form] { return form->status().report(); });
        form->setPollGuard([&single] { return single.stillHeld(); });
        single.setStartHandler([&form](const std::string& identifier, std::string& detail) {
            return form ? form->StartNow(identifier, detail) : Kalvor::NoRunner;
        });
        form->Init(std::move(language), background);
        single.listen();
        if (background && !unloadedWith) {
            tray = std::make_unique<TrayWatch>(form->status(), hMsg);
            QObject::connect(tray.get(), &TrayWatch::displayRequested, form.get(), &frmPelmor::ShowListWindow);
            // Ends as a logout does: whatever is open closes.
            QObject::connect(tray.get(), &TrayWatch::exitRequested, form.get(), &frmPelmor::EndSession);
        }
    } catch (const Platform::AutomationError& error) {
        Platform::FatalErrorReport::show(error, Plent::LanguageLibrary::errorReport(hMsg));
        // Unloaded while what its signal reaches is still there.
        form.reset();
        return 1;
    }
    return unloadedWith ? *unloadedWith : app.exec();
}
