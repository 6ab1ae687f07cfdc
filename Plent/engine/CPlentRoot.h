#pragma once
#include "CPlentEngineServer.h"
#include "KalvorInterfaces.h"
#include "Platform/automation/ComObject.h"
#include "Platform/automation/DispatchTable.h"

namespace Plent {

// The creatable class of the engine library. Its engine is created with it,
// never replaced, and released with it.
class CPlentRoot final : public Platform::ComObject<Kalvor::_CPlentRoot> {
public:
    CPlentRoot();

    Kalvor::HRESULT get_CPlentEngine(Kalvor::_CPlentEngine** result) override;
    Kalvor::HRESULT GetIDOfName(const std::string& name, Platform::DISPID* id) override;
    Kalvor::HRESULT Invoke(Platform::DISPID id, Platform::InvokeKind kind, std::vector<Platform::Variant>& args,
                           Platform::Variant* result) override;

protected:
    void* queryInterface(const Platform::Guid& iid) override;

private:
    Platform::ComPtr<CPlentEngineServer> engine_;
    Platform::DispatchTable dispatch_;
};

} // namespace Plent
