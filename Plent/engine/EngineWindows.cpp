#include "EngineWindows.h"

#include "Platform/automation/AutomationError.h"
#include "Platform/automation/RuntimeError.h"

namespace Plent {

namespace {
EngineWindows* installed = nullptr;
}

void EngineWindows::Install(EngineWindows* factory) { installed = factory; }

EngineWindows& EngineWindows::Get()
{
    if (!installed) Platform::Raise(Platform::Err::ObjectNotSet, "CPlentEngine", "No window factory is installed");
    return *installed;
}

} // namespace Plent
