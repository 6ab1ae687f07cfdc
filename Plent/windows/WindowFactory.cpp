// The windows the engine opens, installed into the engine when the library
// loads.
#include "ListWindowObject.h"
#include "Plent/engine/EngineWindows.h"
#include "Platform/automation/AutomationError.h"
#include "Platform/automation/RuntimeError.h"

namespace Plent {

namespace {

// The event editor is still to come.
std::unique_ptr<IPlentForm> newPlentForm()
{
    Platform::Raise(Platform::Err::NotImplemented, "CPlentEngine", "Not implemented: the event editor");
}

class WindowFactory : public EngineWindows {
public:
    WindowFactory() { Install(this); }
    ~WindowFactory() override { Install(nullptr); }

    Platform::ComPtr<IListWindow> NewListWindow() override
    {
        return Platform::ComObject<IListWindow>::create<ListWindowObject>();
    }
    std::unique_ptr<IPlentForm> NewPlentForm() override { return newPlentForm(); }
};

const WindowFactory factory;

} // namespace

} // namespace Plent
