#include "PrivateDirectory.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "Platform/automation/AutomationError.h"
#include "Platform/automation/RuntimeError.h"

namespace fs = std::filesystem;

namespace Platform {

namespace {

constexpr mode_t FolderMode = 0700;
constexpr mode_t FileMode = 0600;

bool ours(const struct stat& st) { return st.st_uid == ::geteuid(); }

} // namespace

void PrivateDirectory::make(const fs::path& dir)
{
    std::error_code ec;
    fs::create_directories(dir, ec);
    struct stat st {};
    const int error = ec ? ec.value() : ::stat(dir.c_str(), &st) != 0 ? errno : S_ISDIR(st.st_mode) ? 0 : ENOTDIR;
    if (error != 0) {
        const int32_t number = ErrorFromErrno(error);
        Raise(number, "PrivateDirectory.make", RuntimeErrorText(number) + ": " + dir.string());
    }
    if (ours(st) && (st.st_mode & 07777) != FolderMode) ::chmod(dir.c_str(), FolderMode);
}

bool PrivateDirectory::isPrivate(const fs::path& dir)
{
    struct stat st {};
    return ::lstat(dir.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && ours(st) && (st.st_mode & 077) == 0;
}

int PrivateDirectory::openFile(const std::string& path, int flags)
{
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC | flags, FileMode);
    if (fd >= 0) restrict(fd);
    return fd;
}

void PrivateDirectory::restrict(int fd)
{
    struct stat st {};
    if (::fstat(fd, &st) == 0 && ours(st) && (st.st_mode & 07777) != FileMode) ::fchmod(fd, FileMode);
}

} // namespace Platform
