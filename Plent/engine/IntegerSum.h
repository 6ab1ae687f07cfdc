#pragma once
#include <cstdint>
#include <string>

#include "Platform/automation/AutomationError.h"
#include "Platform/automation/RuntimeError.h"

namespace Plent {

// The sum of two Integers, which must itself be an Integer: message offsets
// of windows are sums like this, and one that leaves the 16-bit range is an
// overflow error of the operation that formed it.
inline int16_t IntegerSum(int16_t a, int16_t b, const std::string& source)
{
    const int32_t sum = int32_t{a} + b;
    if (sum < INT16_MIN || sum > INT16_MAX) Platform::Raise(Platform::Err::Overflow, source);
    return static_cast<int16_t>(sum);
}

} // namespace Plent
