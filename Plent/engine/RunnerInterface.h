#pragma once
// The engine's interface for the runner, beside its published interface
// CPlentEngine and reached from it by QueryInterface: the event file
// followed while the runner runs, and the run state the runner keeps beside
// it. Members that have something to report (a state file that could not be
// read or written, an event file that could not be reloaded) hand it back in
// srReport, a line each, none when all is well; they fail only when the
// event file cannot be opened at all.
#include <string>
#include <vector>

#include "Plent/engine/RunnerOutlook.h"
#include "Plent/runstate/PendingStart.h"
#include "Plent/scheduling/HandOut.h"
#include "Platform/automation/Guid.h"
#include "Platform/automation/IUnknown.h"
#include "Platform/automation/Variant.h"

namespace Kalvor {

inline const Platform::Guid IID__CPlentRunner = Platform::Guid::fromString("{86AD110A-E8C3-11D0-99F0-00AA00413EF4}");

struct _CPlentRunner : Platform::IUnknown {
    // Loads the event file as LoadObjects does, then the run state beside it,
    // and merges the state into the events.
    virtual Platform::HRESULT OpenEventFile(const std::string& sFile, std::vector<std::string>* srReport) = 0;
    // Reloads the event file when it has changed since it was last read, and
    // rebuilds the list window.
    virtual Platform::HRESULT FollowEventFile(std::vector<std::string>* srReport) = 0;
    // Around the hand-outs of one poll (NextHandOut, or ActivEvent): what
    // they hand out or delete goes into the run state, which is written when
    // the poll changed it.
    virtual Platform::HRESULT BeginPoll() = 0;
    virtual Platform::HRESULT EndPoll(std::vector<std::string>* srReport) = 0;
    // The next event to start now, or one the engine holds back and wants
    // recorded (its held text set); pbAny False when there is none.
    virtual Platform::HRESULT NextHandOut(Plent::HandOut* pHandOut, Platform::VARIANT_BOOL* pbAny) = 0;
    // The starts of this poll, written into the run state at EndPoll before
    // the programs start.
    virtual Platform::HRESULT RecordStarts(const std::vector<Plent::PendingStart>& starts) = 0;
    // The starts the run state held when the event file was opened: those
    // the runner before this one recorded, whether it got to them or not.
    virtual Platform::HRESULT PendingStarts(std::vector<Plent::PendingStart>* pStarts) = 0;
    // Writes what the state file does not hold yet, as the runner ends.
    virtual Platform::HRESULT SaveState(std::vector<std::string>* srReport) = 0;
    // Brings the list window to the front, when it is open.
    virtual Platform::HRESULT ShowListWindow() = 0;
    // From now on closing the open list window (its close box, the window
    // manager) only hides it; its Exit command still closes it.
    virtual Platform::HRESULT HideListWindowOnClose() = 0;
    // How many events there are and which starts next.
    virtual Platform::HRESULT Outlook(Plent::RunnerOutlook* pOutlook) = 0;

protected:
    ~_CPlentRunner() = default;
};

} // namespace Kalvor
