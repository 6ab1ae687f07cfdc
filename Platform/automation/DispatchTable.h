#pragma once
#include <functional>
#include <string>
#include <vector>

#include "IDispatch.h"

namespace Platform {

// The late-bound half of a dual interface: a table of the published members
// by name, each with its handler. Names are found without regard to letter
// case; a property's get and put share one identifier. Identifiers count
// from 1 in the order the members are added, which is the interface order.
class DispatchTable {
public:
    using Handler = std::function<void(std::vector<Variant>& args, Variant* result)>;

    // minArgs..maxArgs arguments are accepted; the handler sees exactly
    // maxArgs, the left-out optional ones as empty variants.
    DispatchTable& add(const std::string& name, InvokeKind kind, int minArgs, int maxArgs, Handler handler);

    HRESULT getIDOfName(const std::string& name, DISPID* id) const;
    // Runs the member; errors become error info with the given source.
    HRESULT invoke(const char* source, DISPID id, InvokeKind kind, std::vector<Variant>& args, Variant* result) const;

private:
    struct Member {
        std::string name;
        DISPID id;
        InvokeKind kind;
        int minArgs;
        int maxArgs;
        Handler handler;
    };
    const Member* find(DISPID id, InvokeKind kind) const;
    std::vector<Member> members_;
};

} // namespace Platform
