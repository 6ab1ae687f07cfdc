#include "CtlError.h"

#include "Platform/automation/AutomationError.h"

namespace Ctl {

CtlError CtlError::engineFailure(const std::string& doing, const Platform::AutomationError& e)
{
    return failure(doing + ": " + e.description() + " (error " + std::to_string(e.number()) + " in " + e.source() + ")");
}

} // namespace Ctl
