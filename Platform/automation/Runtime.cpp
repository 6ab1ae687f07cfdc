#include "Runtime.h"

#include <dlfcn.h>

#include <map>
#include <mutex>

#include "AutomationError.h"
#include "ClassFactory.h"
#include "ErrorInfo.h"
#include "Registry.h"
#include "RuntimeError.h"

namespace Platform {

namespace {

// The loader's own text (file not found, a missing symbol, a wrong
// architecture) goes with the failure as its error info.
void failedWith(HRESULT hr)
{
    const char* text = dlerror();
    SetErrorInfo({hr, "dlopen", text ? text : RuntimeErrorText(Err::CannotCreateObject)});
}

// Loaded servers by file, kept until CoFreeUnusedLibraries finds them idle.
struct LoadedServers {
    std::mutex mutex;
    std::map<std::string, void*> handles;

    void* load(const std::filesystem::path& file)
    {
        std::lock_guard lock(mutex);
        auto it = handles.find(file.string());
        if (it != handles.end()) return it->second;
        void* h = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (h) handles.emplace(file.string(), h);
        else failedWith(CO_E_DLLNOTFOUND);
        return h;
    }

    void freeUnused()
    {
        std::lock_guard lock(mutex);
        for (auto it = handles.begin(); it != handles.end();) {
            auto canUnload = reinterpret_cast<DllCanUnloadNowFn>(dlsym(it->second, "DllCanUnloadNow"));
            if (canUnload && canUnload() == S_OK) {
                dlclose(it->second);
                it = handles.erase(it);
            } else {
                ++it;
            }
        }
    }
};

LoadedServers& servers()
{
    static LoadedServers s;
    return s;
}

} // namespace

HRESULT CLSIDFromProgID(const std::string& progId, Guid* clsid)
{
    if (!clsid) return E_POINTER;
    if (auto g = Guid::parse(progId)) {
        *clsid = *g;
        return S_OK;
    }
    const auto found = Registry::findProgId(progId);
    if (!found) return CO_E_CLASSSTRING;
    *clsid = *found;
    return S_OK;
}

HRESULT CoGetClassObject(const Guid& clsid, const Guid& iid, void** ppv)
{
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    const auto file = Registry::findServer(clsid);
    if (!file) return REGDB_E_CLASSNOTREG;
    void* handle = servers().load(*file);
    if (!handle) return CO_E_DLLNOTFOUND;
    dlerror();
    auto getClassObject = reinterpret_cast<DllGetClassObjectFn>(dlsym(handle, "DllGetClassObject"));
    if (!getClassObject) {
        failedWith(CO_E_ERRORINDLL);
        return CO_E_ERRORINDLL;
    }
    return getClassObject(&clsid, &iid, ppv);
}

HRESULT CoCreateInstance(const Guid& clsid, IUnknown* outer, const Guid& iid, void** ppv)
{
    ComPtr<IClassFactory> factory;
    const HRESULT hr = CoGetClassObject(clsid, IID_IClassFactory, factory.putVoid());
    if (Failed(hr)) return hr;
    return factory->CreateInstance(outer, iid, ppv);
}

void CoFreeUnusedLibraries() { servers().freeUnused(); }

// The description keeps what the loader or the server said about the
// failure, so that the report tells why.
ComPtr<IDispatch> CreateObject(const std::string& classText)
{
    Guid clsid;
    ComPtr<IDispatch> object;
    ClearErrorInfo();
    if (Succeeded(CLSIDFromProgID(classText, &clsid))
        && Succeeded(CoCreateInstance(clsid, nullptr, IID_IDispatch, object.putVoid())))
        return object;
    std::string description = RuntimeErrorText(Err::CannotCreateObject);
    if (const auto info = TakeErrorInfo(); info && !info->description.empty()) description += ": " + info->description;
    Raise(Err::CannotCreateObject, classText, description);
}

HRESULT RegisterServerModule(const std::filesystem::path& module, bool unregister)
{
    void* handle = dlopen(module.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) return CO_E_DLLNOTFOUND;
    auto entry = reinterpret_cast<DllRegisterServerFn>(
        dlsym(handle, unregister ? "DllUnregisterServer" : "DllRegisterServer"));
    const HRESULT hr = entry ? entry() : CO_E_ERRORINDLL;
    dlclose(handle);
    return hr;
}

} // namespace Platform
