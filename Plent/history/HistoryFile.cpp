#include "HistoryFile.h"

#include <QJsonDocument>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

#include "HistoryReader.h"
#include "Platform/automation/AutomationError.h"
#include "Platform/automation/RuntimeError.h"
#include "Platform/files/PrivateDirectory.h"
#include "Platform/files/ReplacementFile.h"

namespace History {

namespace {

constexpr const char* Source = "HistoryFile.append";

[[noreturn]] void raiseErrno() { Platform::Raise(Platform::ErrorFromErrno(errno), Source); }

QByteArray contentsOf(int fd, qint64 size)
{
    QByteArray bytes(size, '\0');
    qint64 done = 0;
    while (done < size) {
        const ssize_t n = ::pread(fd, bytes.data() + done, size - done, done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        done += n;
    }
    bytes.truncate(done);
    return bytes;
}

qint64 sizeOf(int fd)
{
    struct stat st {};
    if (::fstat(fd, &st) != 0) raiseErrno();
    return st.st_size;
}

int handOutsIn(const std::vector<QJsonObject>& lines)
{
    return static_cast<int>(std::count_if(lines.begin(), lines.end(),
                                          [](const QJsonObject& line) { return line.contains(Key::Outcome); }));
}

} // namespace

HistoryFile::HistoryFile(std::string path, HistoryLimits limits) : path_(std::move(path)), limits_(limits) {}

HistoryFile::~HistoryFile() { close(); }

void HistoryFile::open()
{
    fd_ = ::open(path_.c_str(), O_RDWR | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
    if (fd_ < 0) raiseErrno();
    Platform::PrivateDirectory::restrict(fd_);
    runs_ = handOutsIn(HistoryReader::parse(contentsOf(fd_, sizeOf(fd_))).lines);
}

void HistoryFile::close()
{
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

// A line torn by a crash gets its end here, so that it does not swallow
// the line that follows it.
QByteArray HistoryFile::encoded(const QJsonObject& line) const
{
    QByteArray bytes = QJsonDocument(line).toJson(QJsonDocument::Compact) + '\n';
    const qint64 size = sizeOf(fd_);
    char last = '\n';
    if (size > 0 && ::pread(fd_, &last, 1, size - 1) == 1 && last != '\n') bytes.prepend('\n');
    return bytes;
}

// A runner writes a few lines per poll at most, each telling of a start
// the user may need to know about after a power cut: each is synced.
void HistoryFile::append(const QJsonObject& line)
{
    if (fd_ < 0) open();
    const QByteArray bytes = encoded(line);
    const ssize_t written = ::write(fd_, bytes.constData(), bytes.size());
    if (written != bytes.size()) {
        if (written >= 0) errno = ENOSPC;
        const int error = errno;
        close();
        errno = error;
        raiseErrno();
    }
    if (::fdatasync(fd_) != 0) raiseErrno();
    if (line.contains(Key::Outcome)) ++runs_;
    keepWithinLimits(sizeOf(fd_));
}

void HistoryFile::keepWithinLimits(qint64 size)
{
    if (runs_ <= limits_.runs && size <= limits_.bytes) return;
    dropOldestHalf();
}

// Keeps the newer half of the runs, every line of each; the new file takes
// the old one's place only when it is complete.
void HistoryFile::dropOldestHalf()
{
    const std::vector<QJsonObject> lines = HistoryReader::parse(contentsOf(fd_, sizeOf(fd_))).lines;
    const std::vector<RunRecord> runs = HistoryReader::runsOf(lines);
    std::set<QString> kept;
    for (size_t i = runs.size() / 2; i < runs.size(); ++i) kept.insert(runs[i].run());
    Platform::ReplacementFile replacement(path_);
    QByteArray bytes;
    for (const QJsonObject& line : lines) {
        if (kept.count(line.value(Key::Run).toString())) bytes += QJsonDocument(line).toJson(QJsonDocument::Compact) + '\n';
    }
    replacement.file().write(bytes.constData(), bytes.size());
    replacement.commit();
    close();
    open();
}

} // namespace History
