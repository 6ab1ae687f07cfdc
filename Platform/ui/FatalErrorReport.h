#pragma once
#include "Platform/automation/AutomationError.h"

namespace Platform {

// How a program reports the error that ends it: one line on standard error
// under the program's name, and the same text in a message box where one
// opens (not a second time on standard error where none does).
class FatalErrorReport {
public:
    static void show(const AutomationError& error);
};

} // namespace Platform
