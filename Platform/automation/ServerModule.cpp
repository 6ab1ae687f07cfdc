#include "ServerModule.h"

#include "../modules/ModulePath.h"
#include "Registry.h"

namespace Platform {

ServerModule::ServerModule(std::vector<Class> classes, const void* addressInModule, ServerLock* lock)
    : classes_(std::move(classes)), address_(addressInModule), lock_(lock ? *lock : ownLock_)
{
}

HRESULT ServerModule::getClassObject(const Guid* clsid, const Guid* iid, void** ppv)
{
    if (!clsid || !iid || !ppv) return E_POINTER;
    *ppv = nullptr;
    for (const auto& c : classes_) {
        if (c.clsid != *clsid) continue;
        try {
            auto factory = ComObject<IClassFactory>::create<ClassFactory>(c.create, &lock_);
            return factory->QueryInterface(*iid, ppv);
        } catch (...) {
            return E_OUTOFMEMORY;
        }
    }
    return CLASS_E_CLASSNOTAVAILABLE;
}

HRESULT ServerModule::canUnloadNow() const { return lock_.idle() ? S_OK : S_FALSE; }

HRESULT ServerModule::registerServer() const
{
    try {
        const auto file = ModulePath::ofAddress(address_);
        const auto registry = Registry::writeLocation(file);
        for (const auto& c : classes_) Registry::registerClass(registry, c.clsid, c.progId, file);
        return S_OK;
    } catch (...) {
        return SELFREG_E_CLASS;
    }
}

HRESULT ServerModule::unregisterServer() const
{
    try {
        const auto registry = Registry::writeLocation(ModulePath::ofAddress(address_));
        for (const auto& c : classes_) Registry::unregisterClass(registry, c.clsid, c.progId);
        return S_OK;
    } catch (...) {
        return SELFREG_E_CLASS;
    }
}

} // namespace Platform
