#include "RunnerReport.h"

#include <QCoreApplication>

#include <iostream>

#include "Platform/ui/MessageBox.h"

std::string RunnerReport::text(const Platform::AutomationError& error) { return error.report(); }

// Under the name of the program that ends: the runner or PelmorEdit.
void RunnerReport::show(const Platform::AutomationError& error)
{
    const std::string line = text(error);
    const std::string program = QCoreApplication::applicationName().toStdString();
    std::cerr << program << ": " << line << std::endl;
    Platform::MessageBox::show(line, program);
}
