#pragma once
#include <cstdint>

#include "Guid.h"
#include "HResult.h"

namespace Platform {

// The base of every binary interface: query by interface identifier and
// reference counting. An object dies with its last Release.
struct IUnknown {
    virtual HRESULT QueryInterface(const Guid& iid, void** ppv) = 0;
    virtual uint32_t AddRef() = 0;
    virtual uint32_t Release() = 0;

protected:
    ~IUnknown() = default;
};

inline const Guid IID_IUnknown = Guid::fromString("{00000000-0000-0000-C000-000000000046}");

} // namespace Platform
