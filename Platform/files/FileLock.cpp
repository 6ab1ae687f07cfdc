#include "FileLock.h"

#include <cerrno>
#include <fcntl.h>
#include <fstream>
#include <sys/file.h>
#include <unistd.h>

#include "Platform/automation/AutomationError.h"
#include "Platform/automation/RuntimeError.h"

namespace Platform {

FileLock::~FileLock() { ::close(fd_); }

std::unique_ptr<FileLock> FileLock::tryTake(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) Raise(ErrorFromErrno(errno), "FileLock.tryTake", "cannot open the lock file '" + path + "'");
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return nullptr;
    }
    const std::string pid = std::to_string(::getpid()) + "\n";
    if (::ftruncate(fd, 0) != 0 || ::pwrite(fd, pid.data(), pid.size(), 0) != static_cast<ssize_t>(pid.size())) {
        const int error = errno;
        ::close(fd);
        Raise(ErrorFromErrno(error), "FileLock.tryTake", "cannot write the lock file '" + path + "'");
    }
    return std::unique_ptr<FileLock>(new FileLock(fd));
}

long FileLock::holder(const std::string& path)
{
    std::ifstream in(path);
    long pid = 0;
    in >> pid;
    return pid;
}

} // namespace Platform
