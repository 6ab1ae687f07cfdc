// The windows the engine opens, installed into the engine when the library
// loads.
#include "ListWindowObject.h"
#include "frmPlent.h"
#include "Plent/engine/EngineWindows.h"

namespace Plent {

namespace {

class WindowFactory : public EngineWindows {
public:
    WindowFactory() { Install(this); }
    ~WindowFactory() override { Install(nullptr); }

    Platform::ComPtr<IListWindow> NewListWindow() override
    {
        return Platform::ComObject<IListWindow>::create<ListWindowObject>();
    }
    std::unique_ptr<IPlentForm> NewPlentForm() override { return std::make_unique<frmPlent>(); }
};

const WindowFactory factory;

} // namespace

} // namespace Plent
