#include "ReplacementFile.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "Platform/automation/AutomationError.h"
#include "Platform/automation/RuntimeError.h"
#include "PrivateDirectory.h"
#include "TemporaryNames.h"

namespace Platform {

namespace {

constexpr int Attempts = 100;

// The error names the file that was to be written.
[[noreturn]] void raise(int number, const char* operation, const std::string& target)
{
    Raise(number, std::string("ReplacementFile.") + operation, RuntimeErrorText(number) + ": '" + target + "'");
}

[[noreturn]] void raiseErrno(const char* operation, const std::string& target)
{
    raise(ErrorFromErrno(errno), operation, target);
}

// A link is replaced at the file it points to, as writing through it would.
std::string resolvedTarget(const std::string& target)
{
    struct stat st {};
    if (::lstat(target.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return target;
    char resolved[PATH_MAX];
    return ::realpath(target.c_str(), resolved) ? std::string(resolved) : target;
}

std::string directoryOf(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}

// How a file system, or a kernel, says that it has no nameless files.
bool withoutUnnamedFiles(int error) { return error == EOPNOTSUPP || error == EISDIR || error == EINVAL; }

// A file of a name nobody uses yet, held as this save's own; the mode
// follows the umask.
int createNamed(const std::string& target, std::string& name)
{
    for (int attempt = 0; attempt < Attempts; ++attempt) {
        name = TemporaryNames::beside(target);
        const int fd = ::open(name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno == EEXIST) continue;
        if (fd < 0) return fd;
        struct stat st {};
        // A clean-up may have taken the file between its creation and the lock.
        if (TemporaryNames::hold(fd) && ::fstat(fd, &st) == 0 && st.st_nlink > 0) return fd;
        ::close(fd);
    }
    errno = EEXIST;
    return -1;
}

// Gives the nameless file fd a name beside target. Through /proc any user
// may link it; the descriptor itself needs a privilege, so it comes second.
std::string linkBeside(int fd, const std::string& target)
{
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    for (int attempt = 0; attempt < Attempts; ++attempt) {
        const std::string name = TemporaryNames::beside(target);
        int done = ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW);
        if (done != 0 && errno == ENOENT) done = ::linkat(fd, "", AT_FDCWD, name.c_str(), AT_EMPTY_PATH);
        if (done == 0) return name;
        if (errno != EEXIST) raiseErrno("commit", target);
    }
    raiseErrno("commit", target);
}

void keepModeOf(const std::string& target, int fd)
{
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode) && ::fchmod(fd, old.st_mode & 07777) != 0)
        raiseErrno("create", target);
}

// Makes the rename itself durable. Not every file system can sync a
// directory; the new content is in place either way, so this is best effort.
void syncDirectoryOf(const std::string& path)
{
    const int fd = ::open(directoryOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

ReplacementFile::ReplacementFile(const std::string& target, Creation creation)
    : target_(resolvedTarget(target)), fd_(create(creation)), file_(fd_)
{
    try {
        keepModeOf(target_, fd_);
    } catch (...) {
        discard();
        throw;
    }
}

ReplacementFile::~ReplacementFile() { discard(); }

void ReplacementFile::restrictToOwner() { PrivateDirectory::restrict(fd_); }

int ReplacementFile::create(Creation creation)
{
    TemporaryNames::removeAbandoned(target_);
    int fd = -1;
    if (creation == Creation::Unnamed) {
        fd = ::open(directoryOf(target_).c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0666);
        if (fd >= 0) TemporaryNames::hold(fd);
    }
    if (creation == Creation::Named || (fd < 0 && withoutUnnamedFiles(errno))) fd = createNamed(target_, temporary_);
    // Creating a file can only miss its directory, not the file itself.
    if (fd < 0 && errno == ENOENT) raise(Err::PathNotFound, "create", target_);
    if (fd < 0) raiseErrno("create", target_);
    return fd;
}

// The lock on the new file lasts until it is closed, after the rename, so
// that no clean-up takes it for a leftover while it has a name.
void ReplacementFile::commit()
{
    try {
        file_.sync();
        if (temporary_.empty()) temporary_ = linkBeside(fd_, target_);
        if (::rename(temporary_.c_str(), target_.c_str()) != 0) raiseErrno("commit", target_);
    } catch (...) {
        discard();
        throw;
    }
    pending_ = false;
    file_.close();
    syncDirectoryOf(target_);
}

void ReplacementFile::discard() noexcept
{
    if (!pending_) return;
    pending_ = false;
    file_.abandon();
    if (!temporary_.empty()) ::unlink(temporary_.c_str());
}

} // namespace Platform
