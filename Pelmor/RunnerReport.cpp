#include "RunnerReport.h"

#include <iostream>

#include "Platform/ui/MessageBox.h"

std::string RunnerReport::text(const Platform::AutomationError& error)
{
    return "Run-time error " + std::to_string(error.number()) + " (" + error.source() + "): " + error.description();
}

void RunnerReport::show(const Platform::AutomationError& error)
{
    const std::string line = text(error);
    std::cerr << "Pelmor: " << line << std::endl;
    Platform::MessageBox::show(line, "Pelmor");
}
