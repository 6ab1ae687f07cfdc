#pragma once
#include <memory>
#include <string>
#include <sys/types.h>

namespace Platform {

// An exclusive advisory lock (flock) on a file or a directory, held while
// the object lives. The system drops it when the process ends in any way,
// so a killed holder never leaves it behind. A file lock holds what the
// path named when it was taken: whoever removes or replaces the file frees
// the name for a lock of its own, which stillAtPath() tells.
class FileLock {
public:
    // Who holds a lock, from the system's table of locks; pid 0 when it
    // cannot be told.
    struct Holder {
        pid_t pid = 0;
        uid_t uid = static_cast<uid_t>(-1);
    };

    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // Takes the lock without waiting, creating the file 0600 when it is
    // missing (never through a link), and writes this process id into it;
    // nothing when another process holds it. A file that cannot be opened
    // fails with the run-time error of the failure.
    static std::unique_ptr<FileLock> tryTake(const std::string& path);
    // The same on a directory, which nobody can remove while it holds
    // anything.
    static std::unique_ptr<FileLock> tryTakeDirectory(const std::string& path);
    static Holder holderOf(const std::string& path);

    // The path still names the locked file.
    bool stillAtPath() const;

private:
    FileLock(int fd, std::string path) : fd_(fd), path_(std::move(path)) {}
    static std::unique_ptr<FileLock> lock(int fd, const std::string& path);

    int fd_;
    std::string path_;
};

} // namespace Platform
