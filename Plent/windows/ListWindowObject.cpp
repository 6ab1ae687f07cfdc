#include "ListWindowObject.h"

#include "Platform/automation/HResult.h"

namespace Plent {

ListWindowObject::ListWindowObject() : window_(new frmShowPlents) {}

ListWindowObject::~ListWindowObject()
{
    if (window_) window_->deleteLater();
}

void ListWindowObject::Show(int16_t style)
{
    window_->Show(style == 1 ? Platform::ShowStyle::Modal : Platform::ShowStyle::Modeless);
}

Platform::HRESULT ListWindowObject::GetIDOfName(const std::string&, Platform::DISPID* id)
{
    if (!id) return Platform::E_POINTER;
    *id = Platform::DISPID_UNKNOWN;
    return Platform::DISP_E_UNKNOWNNAME;
}

Platform::HRESULT ListWindowObject::Invoke(Platform::DISPID, Platform::InvokeKind, std::vector<Platform::Variant>&,
                                           Platform::Variant*)
{
    return Platform::DISP_E_MEMBERNOTFOUND;
}

void* ListWindowObject::queryInterface(const Platform::Guid& iid)
{
    if (iid == Platform::IID_IDispatch) return static_cast<Platform::IDispatch*>(this);
    return ComObject::queryInterface(iid);
}

} // namespace Plent
