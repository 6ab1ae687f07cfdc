#include "CPlentRoot.h"

#include "KalvorServerLock.h"

namespace Plent {

CPlentRoot::CPlentRoot()
    : ComObject(&Kalvor::ServerLock()), engine_(create<CPlentEngineServer>())
{
    dispatch_.add("CPlentEngine", Platform::DISPATCH_PROPERTYGET, 0, 0,
                  [this](std::vector<Platform::Variant>&, Platform::Variant* r) {
                      *r = Platform::Variant::object(Platform::ComPtr<Platform::IDispatch>(engine_.get()));
                  });
}

Kalvor::HRESULT CPlentRoot::get_CPlentEngine(Kalvor::_CPlentEngine** result)
{
    if (!result) return Platform::E_POINTER;
    engine_->AddRef();
    *result = engine_.get();
    return Platform::S_OK;
}

Kalvor::HRESULT CPlentRoot::GetIDOfName(const std::string& name, Platform::DISPID* id)
{
    return dispatch_.getIDOfName(name, id);
}

Kalvor::HRESULT CPlentRoot::Invoke(Platform::DISPID id, Platform::InvokeKind kind,
                                   std::vector<Platform::Variant>& args, Platform::Variant* result)
{
    return dispatch_.invoke("Kalvor.CPlentRoot", id, kind, args, result);
}

void* CPlentRoot::queryInterface(const Platform::Guid& iid)
{
    if (iid == Kalvor::IID__CPlentRoot || iid == Platform::IID_IDispatch) return static_cast<Kalvor::_CPlentRoot*>(this);
    return ComObject::queryInterface(iid);
}

} // namespace Plent
