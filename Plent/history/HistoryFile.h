#pragma once
#include <QJsonObject>

#include <string>

namespace History {

// The run history on disk: JSON lines, appended with one write each, so
// that a crash can at worst leave the last line torn; the reader skips it.
// It is bounded: past its limits the oldest half of the runs is dropped by
// writing a new file and renaming it over the old one.
// Past either limit the history drops the oldest half of its runs.
struct HistoryLimits {
    int runs = 10000;
    qint64 bytes = 5 * 1024 * 1024;
};

class HistoryFile {
public:
    explicit HistoryFile(std::string path, HistoryLimits limits = {});
    ~HistoryFile();
    HistoryFile(const HistoryFile&) = delete;
    HistoryFile& operator=(const HistoryFile&) = delete;

    const std::string& path() const { return path_; }

    // Appends one line and forces it to the disk. Raises an AutomationError
    // (source "HistoryFile.append") when it cannot be written; the next
    // call tries again.
    void append(const QJsonObject& line);

private:
    void open();
    void close();
    QByteArray encoded(const QJsonObject& line) const;
    void keepWithinLimits(qint64 size);
    void dropOldestHalf();

    std::string path_;
    HistoryLimits limits_;
    int fd_ = -1;
    // Counted when the file is opened, then kept up to date.
    int runs_ = 0;
};

} // namespace History
