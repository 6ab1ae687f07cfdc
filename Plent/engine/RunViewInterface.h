#pragma once
// An interface of the engine beside CPlentEngine, reached from it by
// QueryInterface, for a client that shows and edits the runner's event file
// while the runner may be running on it.
#include "Platform/automation/Guid.h"
#include "Platform/automation/HResult.h"
#include "Platform/automation/IUnknown.h"

namespace Kalvor {

inline const Platform::Guid IID__CPlentRunView = Platform::Guid::fromString("{86AD110C-E8C3-11D0-99F0-00AA00413EF4}");

struct _CPlentRunView : Platform::IUnknown {
    // From now on LoadObjects shows the events as the runner sees them, with
    // the run state beside the file merged, and SaveObjects writes what the
    // user left as shown so that the runner keeps its newer values.
    virtual Platform::HRESULT ShowRunState() = 0;

protected:
    ~_CPlentRunView() = default;
};

} // namespace Kalvor
