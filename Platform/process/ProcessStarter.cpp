#include "ProcessStarter.h"

#include <QProcess>
#include <QStringList>

#include "CommandLine.h"

namespace Platform {

bool ProcessStarter::start(const std::string& commandLine)
{
    const auto words = CommandLine::split(commandLine);
    if (!words || words->empty()) return false;
    QStringList arguments;
    for (size_t i = 1; i < words->size(); ++i) arguments << QString::fromStdString((*words)[i]);
    return QProcess::startDetached(QString::fromStdString(words->front()), arguments);
}

} // namespace Platform
