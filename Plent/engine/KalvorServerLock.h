#pragma once
#include "Platform/automation/ComObject.h"

namespace Kalvor {

// Counts the library's live objects and class factories, so that
// DllCanUnloadNow can tell. The engine's objects and the server module
// share it.
Platform::ServerLock& ServerLock();

} // namespace Kalvor
