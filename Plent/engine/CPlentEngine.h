#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "HandOutFacts.h"
#include "IListWindow.h"
#include "Plent/model/CPlent.h"
#include "Plent/model/colFixUnless.h"
#include "Plent/model/colPlents.h"
#include "Platform/automation/ComPtr.h"

namespace Plent {

class CMsg;
struct IPlentForm;

// The scheduling engine: its events, its fixed-date table, its state for one
// run, and the operations the runner and the windows call. Failures are
// thrown as Platform::AutomationError; the automation object around it
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
    Platform::ComPtr<IListWindow> objShowEvents() const { return showEvents_; }
    bool ExistEvent(const std::string& sIdentifier);
    const std::string& UnlessTable() const { return unlessTable_; }
    void setUnlessTable(std::string path) { unlessTable_ = std::move(path); }

    // Internal members.
    colPlents& Plents();
    void setPlents(std::shared_ptr<colPlents> plents) { plents_ = std::move(plents); }
    colFixUnless& FixUnlesses();
    void setFixUnlesses(std::shared_ptr<colFixUnless> fixUnlesses) { fixUnlesses_ = std::move(fixUnlesses); }
    // The list window registers itself, and clears the registration when it unloads.
    void setObjShowEvents(Platform::ComPtr<IListWindow> window) { showEvents_ = std::move(window); }

    int32_t hMsg() const { return hMsg_; }
    int16_t OffSet() const;
    // The message number base of a window: OffSet plus the window's own
    // offset; an overflow error when that leaves the 16-bit range.
    int16_t WindowOffSet(int16_t windowOffSet) const;
    static constexpr int16_t EditorWindowOffSet = 100;
    static constexpr int16_t ListWindowOffSet = 200;

    bool StartupScanDone() const { return startupScanDone_; }
    void setStartupScanDone(bool v) { startupScanDone_ = v; }
    bool StartupResetDone() const { return startupResetDone_; }
    void setStartupResetDone(bool v) { startupResetDone_ = v; }
    const HandOutFacts& LastHandOut() const { return lastHandOut_; }
    void setLastHandOut(const HandOutFacts& v) { lastHandOut_ = v; }
    bool TableLoaded() const { return tableLoaded_; }
    void setTableLoaded(bool v) { tableLoaded_ = v; }
    Date TableFileTime() const { return tableFileTime_; }
    void setTableFileTime(Date v) { tableFileTime_ = v; }

    // Activation, next start, unless rule and fixed-date table.
    std::shared_ptr<CPlent> StartupEvent();
    void ResetStartupEvents();
    std::shared_ptr<CPlent> DueEvent(bool& alarm);
    void CalcNextStart(CPlent& event);
    // Whether the event's unless rule holds at its NextStart.
    bool CheckUnless(const CPlent& event);
    static int16_t LastDayOfMonth(Date date);
    bool UnlessFromTable(const std::string& sFile, Date date);

    // Between the event editor and the events (see EditorTransfer).
    void CollectionsToForm(const std::string& sIdentifier, IPlentForm& form);
    void FormToCollections(IPlentForm& form, const std::string& sBefore);

    static std::shared_ptr<CPlent> NewPlent();
    static std::shared_ptr<CMonth> NewMonth();
    static std::shared_ptr<CDay> NewDay();
    static std::shared_ptr<CWeekDay> NewWeekDay();
    static std::shared_ptr<CFixUnless> NewFixUnless();

private:
    std::shared_ptr<colPlents> plents_;
    Platform::ComPtr<IListWindow> showEvents_;
    std::string unlessTable_;
    std::shared_ptr<colFixUnless> fixUnlesses_;
    int32_t hMsg_ = 0;
    // Holds the engine's OffSet.
    std::unique_ptr<CMsg> msg_;
    bool startupScanDone_ = false;
    bool startupResetDone_ = false;
    bool tableLoaded_ = false;
    HandOutFacts lastHandOut_;
    Date tableFileTime_ = 0;
};

} // namespace Plent
