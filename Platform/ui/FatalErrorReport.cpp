#include "FatalErrorReport.h"

#include <QCoreApplication>

#include <iostream>

#include "Platform/boxes/MessageBox.h"

namespace Platform {

// Under the name of the program that ends: the runner or PelmorEdit.
void FatalErrorReport::show(const AutomationError& error, const ErrorReport& texts)
{
    const std::string program = QCoreApplication::applicationName().toStdString();
    std::cerr << program << ": " << error.report() << std::endl;
    if (MessageBox::opensBoxes()) MessageBox::showError(texts.of(error), program);
}

} // namespace Platform
