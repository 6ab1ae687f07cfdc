#include "frmPelmor.h"

#include <QApplication>

#include <iostream>

#include "Plent/files/RunnerFiles.h"
#include "Platform/automation/ErrorInfo.h"
#include "Platform/automation/Runtime.h"
#include "Platform/ui/FatalErrorReport.h"
#include "Platform/ui/SessionEnd.h"

using Platform::Check;

namespace {
constexpr int PollInterval = 5000;

// What the run state and the followed event file have to say goes to
// standard error, a line each; the runner goes on.
void report(const std::vector<std::string>& lines)
{
    const std::string program = QApplication::applicationName().toStdString();
    for (const std::string& line : lines) std::cerr << program << ": " << line << std::endl;
}

void report(const std::string& line) { report(std::vector<std::string>{line}); }
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

Platform::ComPtr<Kalvor::_CPlentRunner> frmPelmor::runner() const
{
    Platform::ComPtr<Kalvor::_CPlentRunner> runner;
    Check(engine()->QueryInterface(Kalvor::IID__CPlentRunner, runner.putVoid()), "Pelmor.frmPelmor");
    return runner;
}

void frmPelmor::Init(Plent::LanguageLibrary language, bool background)
{
    language_ = std::move(language);
    const Platform::ModuleHandle hMsg = language_.handle();
    background_ = background;
    Check(engine()->Init(hMsg, Plent::LanguageLibrary::BaseOffset), "Init");
    std::vector<std::string> lines;
    const std::string eventFile = Plent::RunnerFiles::eventFile();
    Check(runner()->OpenEventFile(eventFile, &lines), "OpenEventFile");
    report(lines);
    runs_ = std::make_unique<RunSupervisor>(eventFile, hMsg);
    connect(&runs_->recorder(), &RunRecorder::runningChanged, &status_, &RunnerStatus::setRunning);
    connect(&runs_->recorder(), &RunRecorder::failed, &status_, &RunnerStatus::addFailure);
    std::vector<Plent::PendingStart> unstarted;
    Check(runner()->PendingStarts(&unstarted), "PendingStarts");
    runs_->recordUnstarted(unstarted);
    Check(engine()->put_UnlessTable(Plent::RunnerFiles::table()), "UnlessTable");
    giveStarter();
    showOutlook();
    if (!background_) Check(engine()->ShowEvents(0, Platform::VARIANT_TRUE, "", ""), "ShowEvents");
    // Asked to end while a message box of the start was up: no poll.
    if (Platform::SessionEnd::hasBegun()) return Form_Unload(0);
    Timer1.setInterval(PollInterval);
    Timer1.start();
}

// At once, whatever is open: a poll may be far away, and the windows the
// system closes cannot refuse.
void frmPelmor::EndSession()
{
    if (unloaded_) return;
    Platform::SessionEnd::begin();
    // Before the timer runs, Init is still under way and ends the form.
    if (!Timer1.isActive()) return;
    saveRunState();
    Form_Unload(0);
}

void frmPelmor::Timer1_Timer()
{
    if (pollGuard_ && !pollGuard_()) {
        Platform::SessionEnd::begin();
        return Form_Unload(1);
    }
    try {
        Platform::ComPtr<Platform::IDispatch> window;
        Check(engine()->get_objShowEvents(window.put()), "objShowEvents");
        if (!window && (!background_ || listWindowOpened_)) {
            saveRunState();
            Form_Unload(0);
            return;
        }
        poll();
    } catch (const Platform::AutomationError& error) {
        fail(error);
    }
}

Platform::ComPtr<Kalvor::_CPlentStartNow> frmPelmor::starts() const
{
    Platform::ComPtr<Kalvor::_CPlentStartNow> starts;
    Check(engine()->QueryInterface(Kalvor::IID__CPlentStartNow, starts.putVoid()), "Pelmor.frmPelmor");
    return starts;
}

void frmPelmor::giveStarter()
{
    starter_ = Platform::ComObject<Kalvor::_CPlentStarter>::create<EventStarter>(
        [this](const std::string& identifier, std::string& detail) { return StartNow(identifier, detail); });
    Check(starts()->putref_Starter(starter_.get()), "Starter");
}

Kalvor::StartAnswer frmPelmor::StartNow(const std::string& identifier, std::string& detail)
{
    if (unloaded_ || !runs_) return Kalvor::NoRunner;
    try {
        Plent::HandOut event;
        Platform::VARIANT_BOOL found = Platform::VARIANT_FALSE;
        Check(starts()->EventToStart(identifier, &event, &found), "EventToStart");
        if (!found) return Kalvor::UnknownEvent;
        runs_->startByHand(HandedOut::of(event));
        return Kalvor::Started;
    } catch (const Platform::AutomationError& error) {
        detail = error.report();
        return Kalvor::Unanswered;
    }
}

// A runner without a display has nowhere to show a window.
void frmPelmor::ShowListWindow()
{
    if (unloaded_) return;
    if (background_ && QGuiApplication::platformName() == "offscreen")
        return report("there is no display: the list window cannot be shown");
    status_.markSeen();
    try {
        Platform::ComPtr<Platform::IDispatch> window;
        Check(engine()->get_objShowEvents(window.put()), "objShowEvents");
        if (!window && background_) return openListWindow();
        Check(runner()->ShowListWindow(), "ShowListWindow");
    } catch (const Platform::AutomationError& error) {
        report(error.report());
    }
}

// As the runner in the foreground opens it, but kept when it is closed.
void frmPelmor::openListWindow()
{
    Check(engine()->ShowEvents(0, Platform::VARIANT_TRUE, "", ""), "ShowEvents");
    Check(runner()->HideListWindowOnClose(), "HideListWindowOnClose");
    listWindowOpened_ = true;
}

void frmPelmor::showOutlook()
{
    Plent::RunnerOutlook outlook;
    Check(runner()->Outlook(&outlook), "Outlook");
    status_.setOutlook(outlook);
}

// The event file is looked at first, so that an event saved since the last
// poll starts in this one when it is due. Every hand-out is in the run state
// on the disk before the first program starts: a runner that ends at any
// moment of the poll never lets the next one run an event again.
void frmPelmor::poll()
{
    std::vector<std::string> lines;
    Check(runner()->FollowEventFile(&lines), "FollowEventFile");
    report(lines);
    Check(runner()->BeginPoll(), "BeginPoll");
    std::vector<HandedOut> handOuts = takeHandOuts();
    Check(runner()->RecordStarts(runs_->prepare(handOuts)), "RecordStarts");
    lines.clear();
    Check(runner()->EndPoll(&lines), "EndPoll");
    report(lines);
    runs_->start(handOuts);
    showOutlook();
}

// Also when a poll failed: what it handed out before has been started.
void frmPelmor::saveRunState()
{
    std::vector<std::string> lines;
    try {
        Check(runner()->SaveState(&lines), "SaveState");
    } catch (const Platform::AutomationError& error) {
        lines.push_back(error.report());
    }
    report(lines);
}

std::vector<HandedOut> frmPelmor::takeHandOuts()
{
    std::vector<HandedOut> handOuts;
    const auto runner = this->runner();
    for (;;) {
        Plent::HandOut handOut;
        Platform::VARIANT_BOOL any = Platform::VARIANT_FALSE;
        Check(runner->NextHandOut(&handOut, &any), "NextHandOut");
        if (!any) return handOuts;
        handOuts.push_back(HandedOut::of(handOut));
    }
}

// The list window closes first, so that it lets go of the engine and the
// root's release ends the engine.
void frmPelmor::fail(const Platform::AutomationError& error)
{
    Platform::FatalErrorReport::show(error, Plent::LanguageLibrary::errorReport(language_.handle()));
    saveRunState();
    Platform::SessionEnd::begin();
    Form_Unload(1);
}

void frmPelmor::Form_Unload(int status)
{
    if (unloaded_) return;
    unloaded_ = true;
    Timer1.stop();
    if (starter_) starter_->detach();
    starter_.reset();
    runs_.reset();
    language_ = {};
    root_.reset();
    emit unloaded(status);
}
