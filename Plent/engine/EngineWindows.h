#pragma once
#include <memory>

#include "IListWindow.h"
#include "IPlentForm.h"
#include "Platform/automation/ComPtr.h"

namespace Plent {

// Where the engine gets its windows from. The window code of the library
// installs its factory when the library loads, so the engine itself never
// names a window class.
class EngineWindows {
public:
    virtual ~EngineWindows() = default;
    virtual Platform::ComPtr<IListWindow> NewListWindow() = 0;
    virtual std::unique_ptr<IPlentForm> NewPlentForm() = 0;

    // Returns the factory installed before, nullptr when there was none.
    static EngineWindows* Install(EngineWindows* factory);
    // The installed factory; fails with "object not set" when none is.
    static EngineWindows& Get();
};

} // namespace Plent
