#pragma once
#include "Platform/automation/AutomationError.h"
#include "Platform/automation/ErrorReport.h"

namespace Platform {

// How a program reports the error that ends it: one line on standard error
// under the program's name, in English as logs are read, and the same
// report in the user's language in a message box where one opens (not a
// second time on standard error where none does).
class FatalErrorReport {
public:
    static void show(const AutomationError& error, const ErrorReport& texts = ErrorReport(0, 0));
};

} // namespace Platform
