#include "OutputFolder.h"

#include <QDir>
#include <QFileInfo>

#include "Plent/files/RunnerFiles.h"
#include "Platform/automation/AutomationError.h"
#include "Platform/files/FileTail.h"
#include "Platform/files/PrivateDirectory.h"

OutputFolder::OutputFolder(const std::string& eventFile)
    : path_(QString::fromStdString(Plent::RunnerFiles::outputOf(eventFile)))
{
}

// Newest first: what is kept is the most recent output.
void OutputFolder::trim() const
{
    const QFileInfoList files = QDir(path_).entryInfoList(QDir::Files, QDir::Time);
    qint64 bytes = 0;
    for (qsizetype i = 0; i < files.size(); ++i) {
        bytes += files[i].size();
        if (i >= MaxLeft || bytes > MaxLeftBytes) QFile::remove(files[i].filePath());
    }
}

std::map<std::string, qint64> OutputFolder::bound()
{
    std::map<std::string, qint64> dropped;
    for (const QFileInfo& file : QDir(path_).entryInfoList(QDir::Files)) {
        if (file.size() <= MaxBytes) continue;
        try {
            const std::string path = file.filePath().toStdString();
            if (const qint64 bytes = Platform::FileTail::keep(path, MaxBytes, KeptBytes)) dropped[path] = bytes;
        } catch (const Platform::AutomationError& e) {
            cutReport_.failed(e.report());
        }
    }
    return dropped;
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
