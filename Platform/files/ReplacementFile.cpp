#include "ReplacementFile.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

#include "Platform/automation/AutomationError.h"
#include "Platform/automation/RuntimeError.h"

namespace Platform {

namespace {

[[noreturn]] void raiseErrno(const char* operation)
{
    Raise(ErrorFromErrno(errno), std::string("ReplacementFile.") + operation);
}

// A link is replaced at the file it points to, as writing through it would.
std::string resolvedTarget(const std::string& target)
{
    struct stat st {};
    if (::lstat(target.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return target;
    char resolved[PATH_MAX];
    return ::realpath(target.c_str(), resolved) ? std::string(resolved) : target;
}

std::string randomSuffix()
{
    static constexpr char Letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    thread_local std::mt19937 generator{std::random_device{}()};
    std::uniform_int_distribution<size_t> pick(0, sizeof Letters - 2);
    std::string suffix = ".";
    for (int i = 0; i < 8; ++i) suffix += Letters[pick(generator)];
    return suffix + ".tmp";
}

// Creates a file of a name nobody uses yet; the mode follows the umask.
int createUnique(const std::string& base, std::string& name)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = base + randomSuffix();
        const int fd = ::open(name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

int createBeside(const std::string& target, std::string& name)
{
    const int fd = createUnique(target, name);
    // Creating a file can only miss its directory, not the file itself.
    if (fd < 0 && errno == ENOENT) Raise(Err::PathNotFound, "ReplacementFile.create");
    if (fd < 0) raiseErrno("create");
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode) && ::fchmod(fd, old.st_mode & 07777) != 0) {
        const int error = errno;
        ::close(fd);
        ::unlink(name.c_str());
        errno = error;
        raiseErrno("create");
    }
    return fd;
}

// Makes the rename itself durable. Not every file system can sync a
// directory; the new content is in place either way, so this is best effort.
void syncDirectoryOf(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    const std::string dir = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

ReplacementFile::ReplacementFile(const std::string& target)
    : target_(resolvedTarget(target)), file_(createBeside(target_, temporary_))
{
}

ReplacementFile::~ReplacementFile() { discard(); }

void ReplacementFile::commit()
{
    try {
        file_.sync();
        file_.close();
        if (::rename(temporary_.c_str(), target_.c_str()) != 0) raiseErrno("commit");
    } catch (...) {
        discard();
        throw;
    }
    pending_ = false;
    syncDirectoryOf(target_);
}

void ReplacementFile::discard() noexcept
{
    if (!pending_) return;
    pending_ = false;
    file_.abandon();
    ::unlink(temporary_.c_str());
}

} // namespace Platform
