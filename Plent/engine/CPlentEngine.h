#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "IListWindow.h"
#include "StartNowInterface.h"
#include "EventDraft.h"
#include "Plent/model/CPlent.h"
#include "Plent/model/colPlents.h"
#include "Plent/runstate/ShownRunState.h"
#include "Plent/scheduling/Schedule.h"
#include "Platform/automation/ComPtr.h"
#include "Platform/automation/ErrorReport.h"

namespace Plent {

class CMsg;

// The scheduling engine: its events, its fixed-date table, its state for one
// run (all kept by its Schedule), and the operations the runner and the
// windows call. It reads the clock once per operation and shows the message
// boxes of what the rules and the event file report. Failures are thrown as
// Platform::AutomationError; the automation object around it
// (CPlentEngineServer) turns them into error info for its clients.
class CPlentEngine : public std::enable_shared_from_this<CPlentEngine> {
public:
    CPlentEngine();
    ~CPlentEngine();
    CPlentEngine(const CPlentEngine&) = delete;
    CPlentEngine& operator=(const CPlentEngine&) = delete;

    // Published members, in interface order.
    void Init(int32_t hMsg, int16_t iOffSet);
    std::string ActivEvent(std::string& srDescription, std::string& srParameter, bool& brAlarm);
    void Update(const std::string& sIdentifier);
    void Show(const std::string& sIdentifier);
    void Add(std::string& sBefore);
    void ShowEvents(int16_t iStyle, bool bEdit = true, const std::string& sFile = "", const std::string& sPassword = "");
    void Remove(const std::string& sIdentifier);
    void RemoveAll();
    void SaveObjects(const std::string& sFile);
    void LoadObjects(const std::string& sFile);
    // From now on LoadObjects shows the events with the runner's state
    // merged, and SaveObjects keeps the runner's newer values of what the
    // user left as shown (see ShownRunState).
    void ShowRunState() { shownRunState_.emplace(); }
    // The file the events were last loaded from; empty before any load.
    const std::string& LoadedFile() const { return loadedFile_; }
    Platform::ComPtr<IListWindow> objShowEvents() const { return showEvents_; }
    bool ExistEvent(const std::string& sIdentifier) const;
    const std::string& UnlessTable() const { return schedule_.TablePath(); }
    void setUnlessTable(std::string path) { schedule_.setTablePath(std::move(path)); }

    // Internal members.
    // The runner's hand-out (see Schedule::nextHandOut): nothing when no
    // event is to be started now; no table failure reaches the caller.
    std::optional<HandOut> NextHandOut();
    // The events to change, and to read (see Schedule::Events).
    colPlents& Plents() { return schedule_.Events(); }
    const colPlents& Plents() const { return schedule_.Events(); }
    // Moves on with every change to the events.
    uint64_t Revision() const { return schedule_.Revision(); }
    void setPlents(std::shared_ptr<colPlents> plents) { schedule_.setEvents(std::move(plents)); }
    // The list window registers itself, and clears the registration when it unloads.
    void setObjShowEvents(Platform::ComPtr<IListWindow> window) { showEvents_ = std::move(window); }
    // Where the list window's "start now" goes; empty when the client gave
    // no way to reach a runner.
    const Platform::ComPtr<Kalvor::_CPlentStarter>& Starter() const { return starter_; }
    void setStarter(Platform::ComPtr<Kalvor::_CPlentStarter> starter) { starter_ = std::move(starter); }

    int32_t hMsg() const { return hMsg_; }
    // Errors reported in the language of the library Init was given.
    Platform::ErrorReport errorReport() const;
    int16_t OffSet() const;
    // The message number base of a window: OffSet plus the window's own
    // offset; an overflow error when that leaves the 16-bit range.
    int16_t WindowOffSet(int16_t windowOffSet) const;
    static constexpr int16_t EditorWindowOffSet = 100;
    static constexpr int16_t ListWindowOffSet = 200;

    // Moves the event on from a hand-out; a table that cannot be read is
    // announced and passed on.
    void CalcNextStart(CPlent& event);

    // Between the event editor and the events (see EditorTransfer). The
    // new event goes in front of the event before ("" for the end) and gets
    // its next start; any failure (an entry that does not convert, an
    // identifier already present, an unknown before, the next start) leaves
    // the collection as it was and raises the error's number again.
    static EventDraft CollectionsToForm(const CPlent& event);
    void FormToCollections(const EventDraft& draft, const std::string& sBefore);

    static std::shared_ptr<CPlent> NewPlent();
    static std::shared_ptr<CMonth> NewMonth();
    static std::shared_ptr<CDay> NewDay();
    static std::shared_ptr<CWeekDay> NewWeekDay();

private:
    // Runs a rule that may read the fixed-date table, announcing a failure
    // of the table in a message box before passing it on.
    template <class Rule>
    auto announcingTableFailure(Rule rule);
    // The open list window shows what a hand-out changed.
    void handedOut();
    void mergeRunState(const std::string& sFile);

    Platform::ComPtr<IListWindow> showEvents_;
    Platform::ComPtr<Kalvor::_CPlentStarter> starter_;
    int32_t hMsg_ = 0;
    // Holds the engine's OffSet.
    std::unique_ptr<CMsg> msg_;
    std::string loadedFile_;
    std::optional<ShownRunState> shownRunState_;
    // Declared last: the events and the fixed-date table go before the
    // message loader.
    Schedule schedule_;
};

} // namespace Plent
