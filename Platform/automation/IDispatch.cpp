#include "IDispatch.h"

#include "ErrorInfo.h"
#include "RuntimeError.h"

namespace Platform {

Variant CallByName(IDispatch* object, const std::string& name, InvokeKind kind, std::vector<Variant>& args)
{
    if (!object) Raise(Err::ObjectNotSet, "CallByName");
    DISPID id = DISPID_UNKNOWN;
    if (Failed(object->GetIDOfName(name, &id))) Raise(Err::NoSuchMember, name);
    Variant result;
    const HRESULT hr = object->Invoke(id, kind, args, &result);
    if (hr == DISP_E_MEMBERNOTFOUND) Raise(Err::NoSuchMember, name);
    if (hr == DISP_E_BADPARAMCOUNT) Raise(Err::WrongArgumentCount, name);
    Check(hr, name.c_str());
    return result;
}

Variant CallByName(IDispatch* object, const std::string& name, InvokeKind kind, std::vector<Variant>&& args)
{
    return CallByName(object, name, kind, args);
}

} // namespace Platform
