#include "VeskLanguage.h"

namespace Lintow {

VeskLanguage::VeskLanguage(Platform::ServerLock* lock) : ComObject(lock)
{
    dispatch_.add("dummy", Platform::DISPATCH_METHOD, 0, 0,
                  [](std::vector<Platform::Variant>&, Platform::Variant* r) { *r = Platform::Variant::integer(0); });
}

HRESULT VeskLanguage::dummy(int16_t* result)
{
    if (!result) return Platform::E_POINTER;
    *result = 0;
    return Platform::S_OK;
}

HRESULT VeskLanguage::GetIDOfName(const std::string& name, Platform::DISPID* id)
{
    return dispatch_.getIDOfName(name, id);
}

HRESULT VeskLanguage::Invoke(Platform::DISPID id, Platform::InvokeKind kind, std::vector<Platform::Variant>& args,
                             Platform::Variant* result)
{
    return dispatch_.invoke("Lintow.VeskLanguage", id, kind, args, result);
}

void* VeskLanguage::queryInterface(const Platform::Guid& iid)
{
    if (iid == IID__VeskLanguage || iid == Platform::IID_IDispatch) return static_cast<_VeskLanguage*>(this);
    return ComObject::queryInterface(iid);
}

} // namespace Lintow
