#include "frmPelmor.h"

#include <QApplication>

#include "RunnerReport.h"
#include "Platform/automation/ErrorInfo.h"
#include "Platform/automation/Runtime.h"
#include "Platform/modules/ModulePath.h"

using Platform::Check;

namespace {
constexpr int PollInterval = 5000;
constexpr int16_t BaseOffset = 1000;
} // namespace

frmPelmor::frmPelmor()
{
    Timer1.setObjectName("Timer1");
    connect(&Timer1, &QTimer::timeout, this, &frmPelmor::Timer1_Timer);
    root_ = Kalvor::CreateRoot("Pelmor.frmPelmor");
}

frmPelmor::~frmPelmor() { Form_Unload(0); }

Platform::ComPtr<Kalvor::_CPlentEngine> frmPelmor::engine() const
{
    return Kalvor::EngineOf(root_, "Pelmor.frmPelmor");
}

void frmPelmor::Init(Platform::ModuleHandle hMsg)
{
    hMsg_ = hMsg;
    const std::string prefix = Platform::ModulePath::executableDir().string() + "/";
    Check(engine()->Init(hMsg, BaseOffset), "Init");
    Check(engine()->LoadObjects(prefix + "Pelmor.dat"), "LoadObjects");
    runs_ = std::make_unique<RunSupervisor>(prefix + "Pelmor.dat", hMsg);
    Check(engine()->put_UnlessTable(prefix + "Pelmor.tab"), "UnlessTable");
    Check(engine()->ShowEvents(0, Platform::VARIANT_TRUE, "", ""), "ShowEvents");
    Timer1.setInterval(PollInterval);
    Timer1.start();
}

void frmPelmor::EndSession()
{
    if (unloaded_) return;
    QApplication::closeAllWindows();
    Timer1_Timer();
}

void frmPelmor::Timer1_Timer()
{
    try {
        Platform::ComPtr<Platform::IDispatch> window;
        Check(engine()->get_objShowEvents(window.put()), "objShowEvents");
        if (!window) {
            Form_Unload(0);
            return;
        }
        startDueEvents();
    } catch (const Platform::AutomationError& error) {
        fail(error);
    }
}

// Takes every event the engine hands out in this poll and starts its
// command line; one that cannot be started is recorded and skipped.
void frmPelmor::startDueEvents()
{
    for (;;) {
        std::string description, parameter, identifier;
        Platform::VARIANT_BOOL alarm = Platform::VARIANT_FALSE;
        Check(engine()->ActivEvent(&description, &parameter, &alarm, &identifier), "ActivEvent");
        if (identifier.empty()) return;
        runs_->start(*engine(), {identifier, description, parameter, alarm != 0});
    }
}

// The list window closes first, so that it lets go of the engine and the
// root's release ends the engine.
void frmPelmor::fail(const Platform::AutomationError& error)
{
    RunnerReport::show(error);
    QApplication::closeAllWindows();
    Form_Unload(1);
}

void frmPelmor::Form_Unload(int status)
{
    if (unloaded_) return;
    unloaded_ = true;
    Timer1.stop();
    runs_.reset();
    if (hMsg_ > 0) Platform::FreeLibrary(hMsg_);
    hMsg_ = 0;
    root_.reset();
    emit unloaded(status);
}
