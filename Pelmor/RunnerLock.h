#pragma once
#include <memory>
#include <string>

#include "Platform/files/FileLock.h"

// Which runner polls a directory. The runner locks the lock file beside its
// event file and, when the directory is its user's alone, the directory
// itself, which cannot be removed from under it. A lock file that someone
// removes or replaces is taken again before the next poll; when another
// runner got it first, this one stops.
class RunnerLock {
public:
    enum class Outcome { Taken, HeldByRunner, HeldByOtherUser };

    explicit RunnerLock(const std::string& eventFile);

    Outcome take();
    // Before each poll: the directory is still this runner's.
    bool stillHeld();
    // Who holds what take() or stillHeld() found taken.
    const Platform::FileLock::Holder& holder() const { return holder_; }
    const std::string& lockFile() const { return lockFile_; }
    const std::string& directory() const { return directory_; }

private:
    Outcome takenBy(const std::string& path);

    std::string directory_;
    std::string lockFile_;
    std::unique_ptr<Platform::FileLock> directoryLock_;
    std::unique_ptr<Platform::FileLock> fileLock_;
    Platform::FileLock::Holder holder_;
};
