#pragma once
#include <filesystem>
#include <string>

#include "ComPtr.h"
#include "IDispatch.h"
#include "IUnknown.h"

namespace Platform {

// The client side of the automation runtime: finds a class's server through
// the registration, loads it at run time and asks its class factory.
HRESULT CLSIDFromProgID(const std::string& progId, Guid* clsid);
HRESULT CoGetClassObject(const Guid& clsid, const Guid& iid, void** ppv);
HRESULT CoCreateInstance(const Guid& clsid, IUnknown* outer, const Guid& iid, void** ppv);
// Unloads the loaded servers that report that nothing of theirs is alive.
void CoFreeUnusedLibraries();

// Creates an object by program identifier ("Kalvor.CPlentRoot") or by
// class identifier in braces; raises "can't create object" (429) when that
// fails.
ComPtr<IDispatch> CreateObject(const std::string& classText);

// Loads a server module and calls its DllRegisterServer (or
// DllUnregisterServer); the result of that call, or CO_E_DLLNOTFOUND /
// CO_E_ERRORINDLL when the module does not load or lacks the entry point.
HRESULT RegisterServerModule(const std::filesystem::path& module, bool unregister = false);

// The four entry points an in-process server exports with C linkage.
using DllGetClassObjectFn = HRESULT (*)(const Guid* clsid, const Guid* iid, void** ppv);
using DllCanUnloadNowFn = HRESULT (*)();
using DllRegisterServerFn = HRESULT (*)();

} // namespace Platform
