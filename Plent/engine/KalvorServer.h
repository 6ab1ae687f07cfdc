#pragma once
#include "Platform/automation/ComObject.h"

namespace Kalvor {

// Counts the library's live objects, so that DllCanUnloadNow can tell.
Platform::ServerLock& ServerLock();

} // namespace Kalvor
