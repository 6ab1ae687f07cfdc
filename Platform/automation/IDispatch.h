#pragma once
#include <string>
#include <vector>

#include "IUnknown.h"
#include "Variant.h"

namespace Platform {

using DISPID = int32_t;
constexpr DISPID DISPID_UNKNOWN = -1;

enum InvokeKind : uint16_t { DISPATCH_METHOD = 1, DISPATCH_PROPERTYGET = 2, DISPATCH_PROPERTYPUT = 4 };

// Late binding: members are found by name and called with variant
// arguments. Arguments come in declaration order; a by-reference argument is
// written back into its slot. Trailing optional arguments may be left out.
struct IDispatch : IUnknown {
    virtual HRESULT GetIDOfName(const std::string& name, DISPID* id) = 0;
    virtual HRESULT Invoke(DISPID id, InvokeKind kind, std::vector<Variant>& args, Variant* result) = 0;

protected:
    ~IDispatch() = default;
};

inline const Guid IID_IDispatch = Guid::fromString("{00020400-0000-0000-C000-000000000046}");

// Client helper: calls a member by name and raises an AutomationError when it
// fails.
// By-reference arguments are written back into args.
Variant CallByName(IDispatch* object, const std::string& name, InvokeKind kind, std::vector<Variant>& args);
Variant CallByName(IDispatch* object, const std::string& name, InvokeKind kind, std::vector<Variant>&& args = {});

} // namespace Platform
