// The runner's start procedure: loads the message library from the runner's
// own directory, loads the hidden form (which creates the engine) and hands
// it the library. The loaded form keeps the program alive until it unloads.
#include <QApplication>

#include <memory>

#include "RunnerReport.h"
#include "SingleRunner.h"
#include "TerminationSignal.h"
#include "frmPelmor.h"
#include "Platform/modules/Library.h"
#include "Platform/modules/ModulePath.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // The runner ends at the poll after the list window has closed, not
    // when its last window closes.
    QApplication::setQuitOnLastWindowClosed(false);
    TerminationSignal termination;
    // Taken before the events are loaded: a second runner on the same
    // directory would start every due event a second time.
    SingleRunner single(frmPelmor::EventFilePath());
    if (!single.take()) {
        single.handOver();
        return 0;
    }

    const std::string library = (Platform::ModulePath::executableDir() / "Pelmor.dll").string();
    const Platform::ModuleHandle hMsg = Platform::LoadLibraryA(library.c_str());
    std::unique_ptr<frmPelmor> form;
    try {
        form = std::make_unique<frmPelmor>();
        QObject::connect(form.get(), &frmPelmor::unloaded, &app, [](int status) { QCoreApplication::exit(status); });
        QObject::connect(&termination, &TerminationSignal::received, form.get(), &frmPelmor::EndSession);
        QObject::connect(&single, &SingleRunner::showRequested, form.get(), &frmPelmor::ShowListWindow);
        form->Init(hMsg);
        single.listen();
    } catch (const Platform::AutomationError& error) {
        RunnerReport::show(error);
        // Once the form is loaded it holds the library and frees it itself.
        if (form) form.reset();
        else if (hMsg > 0) Platform::FreeLibrary(hMsg);
        return 1;
    }
    return app.exec();
}
