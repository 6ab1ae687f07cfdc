#include "DispatchTable.h"

#include <algorithm>

#include "ErrorInfo.h"
#include "RuntimeError.h"

namespace Platform {

namespace {

bool sameName(const std::string& a, const std::string& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return (x >= 'A' && x <= 'Z' ? x + 32 : x) == (y >= 'A' && y <= 'Z' ? y + 32 : y);
    });
}

} // namespace

DispatchTable& DispatchTable::add(const std::string& name, InvokeKind kind, int minArgs, int maxArgs,
                                  Handler handler)
{
    DISPID id = 0;
    for (const auto& m : members_) {
        if (sameName(m.name, name)) id = m.id;
    }
    if (id == 0) {
        for (const auto& m : members_) id = std::max(id, m.id);
        ++id;
    }
    members_.push_back({name, id, kind, minArgs, maxArgs, std::move(handler)});
    return *this;
}

HRESULT DispatchTable::getIDOfName(const std::string& name, DISPID* id) const
{
    if (!id) return E_POINTER;
    for (const auto& m : members_) {
        if (sameName(m.name, name)) {
            *id = m.id;
            return S_OK;
        }
    }
    *id = DISPID_UNKNOWN;
    return DISP_E_UNKNOWNNAME;
}

const DispatchTable::Member* DispatchTable::find(DISPID id, InvokeKind kind) const
{
    for (const auto& m : members_) {
        // A method may be called as a property get, as automation clients do.
        if (m.id == id && (m.kind == kind || (kind == DISPATCH_PROPERTYGET && m.kind == DISPATCH_METHOD)))
            return &m;
    }
    return nullptr;
}

HRESULT DispatchTable::invoke(const char* source, DISPID id, InvokeKind kind, std::vector<Variant>& args,
                              Variant* result) const
{
    const Member* m = find(id, kind);
    if (!m) return DISP_E_MEMBERNOTFOUND;
    const int given = static_cast<int>(args.size());
    if (given < m->minArgs || given > m->maxArgs) return DISP_E_BADPARAMCOUNT;
    return Guarded(source, [&] {
        std::vector<Variant> full(args);
        full.resize(static_cast<size_t>(m->maxArgs));
        Variant out;
        m->handler(full, &out);
        std::copy_n(full.begin(), given, args.begin());
        if (result) *result = std::move(out);
    });
}

} // namespace Platform
