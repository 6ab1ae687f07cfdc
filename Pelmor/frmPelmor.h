#pragma once
#include <QObject>
#include <QTimer>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "Plent/engine/KalvorInterfaces.h"
#include "Plent/engine/RunnerInterface.h"
#include "Plent/engine/StartNowInterface.h"
#include "EventStarter.h"
#include "HandedOut.h"
#include "RunSupervisor.h"
#include "RunnerStatus.h"
#include "Platform/automation/AutomationError.h"
#include "Platform/automation/ComPtr.h"
#include "Plent/client/LanguageLibrary.h"

// The runner's hidden form: it owns the engine library's root object and
// the message library's handle, and polls the engine every five seconds
// until the list window has been closed. In the background it opens the
// list window only when asked to, closing it only hides it, and the runner
// goes on until the window's Exit or the system ends it.
class frmPelmor : public QObject {
    Q_OBJECT
public:
    // Form_Load: creates the root object by its class identifier.
    frmPelmor();
    ~frmPelmor() override;

    // The form holds the language library from here on and frees it as it
    // unloads.
    void Init(Plent::LanguageLibrary language, bool background = false);
    // Asked before every poll; when it answers false the form unloads with
    // status 1 without polling or saving: another runner has the directory.
    void setPollGuard(std::function<bool()> guard) { pollGuard_ = std::move(guard); }
    // A later start on the same directory, or the tray icon, asks for the
    // list window; in the background it opens when it is not open.
    void ShowListWindow();
    // Starts the event's command line at once, from the list window or a
    // client on the socket; its next start and status stay.
    Kalvor::StartAnswer StartNow(const std::string& identifier, std::string& detail);
    const RunnerStatus& status() const { return status_; }
    // The system asks the program to end (SIGTERM, SIGINT, SIGHUP): every
    // window closes as the system closes it, and the form unloads at once.
    void EndSession();

signals:
    // The form has unloaded; the program ends with this status.
    void unloaded(int status);

private:
    void Timer1_Timer();
    void Form_Unload(int status);
    // The engine, fetched anew through the root for every call.
    Platform::ComPtr<Kalvor::_CPlentEngine> engine() const;
    // The engine's interface for the runner: the event file followed and
    // the run state kept beside it.
    Platform::ComPtr<Kalvor::_CPlentRunner> runner() const;
    // The engine's interface for starts at once.
    Platform::ComPtr<Kalvor::_CPlentStartNow> starts() const;
    void poll();
    void giveStarter();
    void saveRunState();
    void openListWindow();
    void showOutlook();
    // Every event the engine hands out (or holds) in this poll.
    std::vector<HandedOut> takeHandOuts();
    void fail(const Platform::AutomationError& error);

    Platform::ComPtr<Kalvor::_CPlentRoot> root_;
    Plent::LanguageLibrary language_;
    QTimer Timer1;
    std::unique_ptr<RunSupervisor> runs_;
    // Given to the engine for its list window's "start now".
    Platform::ComPtr<EventStarter> starter_;
    std::function<bool()> pollGuard_;
    bool unloaded_ = false;
    bool background_ = false;
    // In the background: the list window has been opened, so that its
    // closing (only Exit unloads it) ends the runner.
    bool listWindowOpened_ = false;
    RunnerStatus status_;
};
