#pragma once
#include "Platform/ui/SessionEnd.h"

namespace TestSupport {

// A test may end the session while this lives; afterwards the process
// starts afresh, as if it had never ended.
class SessionEndReset {
public:
    SessionEndReset() = default;
    ~SessionEndReset() { Platform::SessionEnd::reset(); }
    SessionEndReset(const SessionEndReset&) = delete;
    SessionEndReset& operator=(const SessionEndReset&) = delete;
};

} // namespace TestSupport
