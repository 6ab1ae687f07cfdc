#pragma once
// The published interface of the engine library "Kalvor": what a client
// includes to call the engine with early binding. Clients create the root by
// class or program identifier through the automation runtime and never link
// the library.
#include <cstdint>
#include <string>

#include "Platform/automation/ComPtr.h"
#include "Platform/automation/ErrorInfo.h"
#include "Platform/automation/IDispatch.h"
#include "Platform/automation/Runtime.h"

namespace Kalvor {

using Platform::HRESULT;
using Platform::VARIANT_BOOL;

inline const Platform::Guid IID__CPlentRoot = Platform::Guid::fromString("{86AD1107-E8C3-11D0-99F0-00AA00413EF4}");
inline const Platform::Guid CLSID_CPlentRoot = Platform::Guid::fromString("{86AD1108-E8C3-11D0-99F0-00AA00413EF4}");
inline const Platform::Guid IID_CPlentEngine = Platform::Guid::fromString("{86AD1105-E8C3-11D0-99F0-00AA00413EF4}");
inline constexpr const char* ProgID_CPlentRoot = "Kalvor.CPlentRoot";

// The engine's dual interface, its members in interface order. Strings are
// UTF-8. Every member reports success or an automation error (error info).
struct _CPlentEngine : Platform::IDispatch {
    virtual HRESULT Init(int32_t hMsg, int16_t iOffSet) = 0;
    virtual HRESULT ActivEvent(std::string* srDescription, std::string* srParameter, VARIANT_BOOL* brAlarm,
                               std::string* result) = 0;
    virtual HRESULT Update(const std::string& sIdentifier) = 0;
    virtual HRESULT Show(const std::string& sIdentifier) = 0;
    virtual HRESULT Add(std::string* sBefore) = 0;
    virtual HRESULT ShowEvents(int16_t iStyle, VARIANT_BOOL bEdit, const std::string& sFile,
                               const std::string& sPassword) = 0;
    virtual HRESULT Remove(const std::string& sIdentifier) = 0;
    virtual HRESULT RemoveAll() = 0;
    virtual HRESULT SaveObjects(const std::string& sFile) = 0;
    virtual HRESULT LoadObjects(const std::string& sFile) = 0;
    virtual HRESULT get_objShowEvents(Platform::IDispatch** result) = 0;
    virtual HRESULT ExistEvent(const std::string& sIdentifier, VARIANT_BOOL* result) = 0;
    virtual HRESULT get_UnlessTable(std::string* result) = 0;
    virtual HRESULT put_UnlessTable(const std::string& value) = 0;

protected:
    ~_CPlentEngine() = default;
};

// The root's dual interface: one property, the engine.
struct _CPlentRoot : Platform::IDispatch {
    virtual HRESULT get_CPlentEngine(_CPlentEngine** result) = 0;

protected:
    ~_CPlentRoot() = default;
};

// Client helpers: create a root through the automation runtime and reach its
// engine; a failure raises an AutomationError naming the client.
inline Platform::ComPtr<_CPlentRoot> CreateRoot(const char* client)
{
    Platform::ComPtr<_CPlentRoot> root;
    Platform::Check(Platform::CoCreateInstance(CLSID_CPlentRoot, nullptr, IID__CPlentRoot, root.putVoid()), client);
    return root;
}

inline Platform::ComPtr<_CPlentEngine> EngineOf(const Platform::ComPtr<_CPlentRoot>& root, const char* client)
{
    Platform::ComPtr<_CPlentEngine> engine;
    Platform::Check(root->get_CPlentEngine(engine.put()), client);
    return engine;
}

} // namespace Kalvor
