#include "OutputFolder.h"

#include <QDir>
#include <QFileInfo>

#include <filesystem>

#include "Platform/automation/AutomationError.h"
#include "Platform/files/PrivateDirectory.h"

OutputFolder::OutputFolder(const std::string& eventFile)
    : path_(QString::fromStdString(std::filesystem::path(eventFile).replace_extension(".output").string()))
{
}

void OutputFolder::trim() const
{
    const QFileInfoList files = QDir(path_).entryInfoList(QDir::Files, QDir::Time);
    for (qsizetype i = MaxLeft; i < files.size(); ++i) QFile::remove(files[i].filePath());
}

// The folder is made with the first run, so that a runner that starts nothing
// leaves nothing behind; without it the program runs and its output is lost.
std::string OutputFolder::fileFor(const QString& run)
{
    try {
        Platform::PrivateDirectory::make(path_.toStdString());
        report_.succeeded();
    } catch (const Platform::AutomationError& e) {
        report_.failed(e.report());
    }
    return (path_ + "/" + run + ".log").toStdString();
}
