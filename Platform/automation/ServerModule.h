#pragma once
#include <functional>
#include <string>
#include <vector>

#include "ClassFactory.h"
#include "ComObject.h"

namespace Platform {

// What an in-process server publishes: its creatable classes. It backs the
// four entry points (see PLATFORM_EXPORT_SERVER).
class ServerModule {
public:
    struct Class {
        Guid clsid;
        std::string progId;
        ClassFactory::Creator create;
    };

    // addressInModule: any address inside the server, to find its file.
    // lock: where the server's objects count themselves, when that lives
    // outside the module; nullptr gives the module a lock of its own.
    ServerModule(std::vector<Class> classes, const void* addressInModule, ServerLock* lock = nullptr);

    HRESULT getClassObject(const Guid* clsid, const Guid* iid, void** ppv);
    HRESULT canUnloadNow() const;
    HRESULT registerServer() const;
    HRESULT unregisterServer() const;

    // Counts the server's live objects; objects pass it to ComObject.
    ServerLock& lock() { return lock_; }

private:
    std::vector<Class> classes_;
    const void* address_;
    ServerLock ownLock_;
    ServerLock& lock_;
};

} // namespace Platform

// Defines the entry points DllGetClassObject, DllCanUnloadNow,
// DllRegisterServer and DllUnregisterServer with C linkage, forwarding to the
// ServerModule that the expression `module` names.
#define PLATFORM_EXPORT_SERVER(module)                                                                    \
    extern "C" __attribute__((visibility("default"))) Platform::HRESULT DllGetClassObject(                 \
        const Platform::Guid* clsid, const Platform::Guid* iid, void** ppv)                               \
    {                                                                                                     \
        return (module).getClassObject(clsid, iid, ppv);                                                  \
    }                                                                                                     \
    extern "C" __attribute__((visibility("default"))) Platform::HRESULT DllCanUnloadNow()                 \
    {                                                                                                     \
        return (module).canUnloadNow();                                                                   \
    }                                                                                                     \
    extern "C" __attribute__((visibility("default"))) Platform::HRESULT DllRegisterServer()               \
    {                                                                                                     \
        return (module).registerServer();                                                                 \
    }                                                                                                     \
    extern "C" __attribute__((visibility("default"))) Platform::HRESULT DllUnregisterServer()             \
    {                                                                                                     \
        return (module).unregisterServer();                                                               \
    }
