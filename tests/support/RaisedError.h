#pragma once
// The automation error that a call raises, if any.
#include <functional>
#include <optional>

#include "Platform/automation/AutomationError.h"

namespace TestSupport {

inline std::optional<Platform::AutomationError> errorOf(const std::function<void()>& call)
{
    try {
        call();
    } catch (const Platform::AutomationError& e) {
        return e;
    }
    return std::nullopt;
}

// Its number; 0 when the call raises none.
inline int errorNumberOf(const std::function<void()>& call)
{
    const auto error = errorOf(call);
    return error ? error->number() : 0;
}

} // namespace TestSupport
