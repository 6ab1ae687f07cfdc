#pragma once
#include <string>

#include "Platform/automation/AutomationError.h"

// How the runner reports an error that ends it: a message box and the same
// line on standard error.
class RunnerReport {
public:
    static std::string text(const Platform::AutomationError& error);
    static void show(const Platform::AutomationError& error);
};
