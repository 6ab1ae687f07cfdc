#include "OutputFolder.h"

#include <QDir>
#include <QFileInfo>

#include <filesystem>

OutputFolder::OutputFolder(const std::string& eventFile)
    : path_(QString::fromStdString(std::filesystem::path(eventFile).replace_extension(".output").string()))
{
}

QString OutputFolder::prepare() const
{
    QDir dir(path_);
    if (!dir.mkpath(".")) return "cannot create " + path_;
    const QFileInfoList files = dir.entryInfoList(QDir::Files, QDir::Time);
    for (qsizetype i = MaxLeft; i < files.size(); ++i) QFile::remove(files[i].filePath());
    return {};
}

std::string OutputFolder::fileFor(const QString& run) const { return (path_ + "/" + run + ".log").toStdString(); }
