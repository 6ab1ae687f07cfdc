#pragma once
// The language library's automation class. Nothing in the system creates
// it; it exists so that the library registers itself like every server.
#include <cstdint>

#include "Platform/automation/ComObject.h"
#include "Platform/automation/DispatchTable.h"
#include "Platform/automation/IDispatch.h"

namespace Lintow {

using Platform::HRESULT;

inline const Platform::Guid IID__VeskLanguage = Platform::Guid::fromString("{8DF6DBA7-E952-11D0-99F0-00AA00413EF4}");
inline const Platform::Guid CLSID_VeskLanguage = Platform::Guid::fromString("{8DF6DBA8-E952-11D0-99F0-00AA00413EF4}");
inline constexpr const char* ProgID_VeskLanguage = "Lintow.VeskLanguage";

// The class's dual interface: one method.
struct _VeskLanguage : Platform::IDispatch {
    virtual HRESULT dummy(int16_t* result) = 0;

protected:
    ~_VeskLanguage() = default;
};

class VeskLanguage final : public Platform::ComObject<_VeskLanguage> {
public:
    explicit VeskLanguage(Platform::ServerLock* lock);

    // Answers 0 and does nothing else.
    HRESULT dummy(int16_t* result) override;

    HRESULT GetIDOfName(const std::string& name, Platform::DISPID* id) override;
    HRESULT Invoke(Platform::DISPID id, Platform::InvokeKind kind, std::vector<Platform::Variant>& args,
                   Platform::Variant* result) override;

protected:
    void* queryInterface(const Platform::Guid& iid) override;

private:
    Platform::DispatchTable dispatch_;
};

} // namespace Lintow
