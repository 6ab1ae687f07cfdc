#include "OutputFolder.h"

#include <QDir>
#include <QFileInfo>

#include <filesystem>

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
// leaves nothing behind; a folder that cannot be made fails that run's start,
// which says why.
std::string OutputFolder::fileFor(const QString& run) const
{
    QDir().mkpath(path_);
    return (path_ + "/" + run + ".log").toStdString();
}
