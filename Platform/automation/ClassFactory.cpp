#include "ClassFactory.h"

#include <new>

namespace Platform {

ClassFactory::ClassFactory(Creator creator, ServerLock* lock)
    : ComObject<IClassFactory>(lock), creator_(std::move(creator)), serverLock_(lock)
{
}

HRESULT ClassFactory::CreateInstance(IUnknown* outer, const Guid& iid, void** ppv)
{
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    try {
        ComPtr<IUnknown> object = creator_();
        return object->QueryInterface(iid, ppv);
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return E_FAIL;
    }
}

HRESULT ClassFactory::LockServer(bool lock)
{
    if (serverLock_) lock ? serverLock_->lock() : serverLock_->unlock();
    return S_OK;
}

void* ClassFactory::queryInterface(const Guid& iid)
{
    if (iid == IID_IClassFactory) return static_cast<IClassFactory*>(this);
    return ComObject<IClassFactory>::queryInterface(iid);
}

} // namespace Platform
