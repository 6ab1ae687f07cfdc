#include "FileLock.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include "Platform/automation/AutomationError.h"
#include "Platform/automation/RuntimeError.h"
#include "PrivateDirectory.h"

namespace Platform {

namespace {

constexpr const char* Source = "FileLock.tryTake";

[[noreturn]] void fail(int error, const std::string& what, const std::string& path)
{
    Raise(ErrorFromErrno(error), Source, "cannot " + what + " '" + path + "'");
}

// How the table of locks names a file: major:minor:inode, in hex, decimal.
std::string lockTableName(const struct stat& st)
{
    char name[64];
    std::snprintf(name, sizeof name, "%02x:%02x:%llu", major(st.st_dev), minor(st.st_dev),
                  static_cast<unsigned long long>(st.st_ino));
    return name;
}

// A line of /proc/locks: "1: FLOCK  ADVISORY  WRITE 1234 fd:01:5678 0 EOF";
// waiters have "->" after the number and hold nothing.
pid_t lockingProcess(const std::string& line, const std::string& name)
{
    std::istringstream words(line);
    std::string number, kind, mode, access, file;
    pid_t pid = 0;
    words >> number >> kind;
    if (kind == "->") return 0;
    words >> mode >> access >> pid >> file;
    return kind == "FLOCK" && file == name ? pid : 0;
}

} // namespace

FileLock::~FileLock() { ::close(fd_); }

std::unique_ptr<FileLock> FileLock::lock(int fd, const std::string& path)
{
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) return std::unique_ptr<FileLock>(new FileLock(fd, path));
    const int error = errno;
    ::close(fd);
    if (error != EWOULDBLOCK) fail(error, "lock", path);
    return nullptr;
}

std::unique_ptr<FileLock> FileLock::tryTake(const std::string& path)
{
    const int fd = PrivateDirectory::openFile(path);
    if (fd < 0) fail(errno, "open the lock file", path);
    auto taken = lock(fd, path);
    if (!taken) return nullptr;
    const std::string pid = std::to_string(::getpid()) + "\n";
    if (::ftruncate(fd, 0) != 0 || ::pwrite(fd, pid.data(), pid.size(), 0) != static_cast<ssize_t>(pid.size()))
        fail(errno, "write the lock file", path);
    return taken;
}

std::unique_ptr<FileLock> FileLock::tryTakeDirectory(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) fail(errno, "open the directory", path);
    return lock(fd, path);
}

FileLock::Holder FileLock::holderOf(const std::string& path)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return {};
    const std::string name = lockTableName(st);
    std::ifstream table("/proc/locks");
    for (std::string line; std::getline(table, line);) {
        const pid_t pid = lockingProcess(line, name);
        if (pid <= 0) continue;
        struct stat process {};
        const std::string proc = "/proc/" + std::to_string(pid);
        return {pid, ::stat(proc.c_str(), &process) == 0 ? process.st_uid : static_cast<uid_t>(-1)};
    }
    return {};
}

bool FileLock::stillAtPath() const
{
    struct stat held {}, named {};
    return ::fstat(fd_, &held) == 0 && ::lstat(path_.c_str(), &named) == 0 && held.st_dev == named.st_dev &&
           held.st_ino == named.st_ino;
}

} // namespace Platform
