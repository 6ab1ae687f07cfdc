// The windows the engine opens, installed into the engine when the library
// loads.
#include "frmPlent.h"
#include "Plent/engine/EngineWindows.h"
#include "Platform/automation/AutomationError.h"
#include "Platform/automation/RuntimeError.h"

namespace Plent {

namespace {

// The list window is still to come.
Platform::ComPtr<IListWindow> newListWindow()
{
    Platform::Raise(Platform::Err::NotImplemented, "CPlentEngine", "Not implemented: the event list window");
}

class WindowFactory : public EngineWindows {
public:
    WindowFactory() { Install(this); }
    ~WindowFactory() override { Install(nullptr); }

    Platform::ComPtr<IListWindow> NewListWindow() override { return newListWindow(); }
    std::unique_ptr<IPlentForm> NewPlentForm() override { return std::make_unique<frmPlent>(); }
};

const WindowFactory factory;

} // namespace

} // namespace Plent
