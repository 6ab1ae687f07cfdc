#include "EngineWindows.h"

#include <utility>

#include "Platform/automation/AutomationError.h"
#include "Platform/automation/RuntimeError.h"

namespace Plent {

namespace {
EngineWindows* installed = nullptr;
}

EngineWindows* EngineWindows::Install(EngineWindows* factory) { return std::exchange(installed, factory); }

EngineWindows& EngineWindows::Get()
{
    if (!installed) Platform::Raise(Platform::Err::ObjectNotSet, "CPlentEngine", "No window factory is installed");
    return *installed;
}

} // namespace Plent
