#pragma once
#include <memory>
#include <string>

namespace Platform {

// An exclusive advisory lock on a file (flock), held while the object lives.
// The system drops it when the process ends in any way, so a killed holder
// never leaves it behind. The holder writes its process id into the file,
// so that whoever finds it taken can tell who holds it.
class FileLock {
public:
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // Takes the lock without waiting, creating the file when it is missing;
    // nothing when another process holds it. A file that cannot be opened
    // fails with the run-time error of the failure.
    static std::unique_ptr<FileLock> tryTake(const std::string& path);
    // The process id the holder wrote; 0 when there is none to read.
    static long holder(const std::string& path);

private:
    explicit FileLock(int fd) : fd_(fd) {}

    int fd_;
};

} // namespace Platform
