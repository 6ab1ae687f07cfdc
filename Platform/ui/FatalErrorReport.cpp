#include "FatalErrorReport.h"

#include <QCoreApplication>

#include <iostream>

#include "Platform/boxes/MessageBox.h"

namespace Platform {

// Under the name of the program that ends: the runner or PelmorEdit.
void FatalErrorReport::show(const AutomationError& error)
{
    const std::string line = error.report();
    const std::string program = QCoreApplication::applicationName().toStdString();
    std::cerr << program << ": " << line << std::endl;
    if (MessageBox::opensBoxes()) MessageBox::showError(line, program);
}

} // namespace Platform
