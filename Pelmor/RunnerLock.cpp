#include "RunnerLock.h"

#include <filesystem>
#include <iostream>
#include <unistd.h>

#include "Plent/files/RunnerFiles.h"
#include "Platform/automation/AutomationError.h"
#include "Platform/files/PrivateDirectory.h"

namespace fs = std::filesystem;

RunnerLock::RunnerLock(const std::string& eventFile)
    : directory_(fs::absolute(eventFile).parent_path().string()),
      lockFile_(Plent::RunnerFiles::lockOf(eventFile))
{
}

// A lock file that cannot be made (a directory the user may not write) is
// reported, and the runner runs unguarded rather than not at all.
RunnerLock::Outcome RunnerLock::take()
{
    try {
        if (Platform::PrivateDirectory::isPrivate(directory_)) {
            directoryLock_ = Platform::FileLock::tryTakeDirectory(directory_);
            if (!directoryLock_) return takenBy(directory_);
        }
        fileLock_ = Platform::FileLock::tryTake(lockFile_);
        if (!fileLock_) return takenBy(lockFile_);
    } catch (const Platform::AutomationError& e) {
        std::cerr << "Pelmor: " << e.report() << std::endl;
    }
    return Outcome::Taken;
}

RunnerLock::Outcome RunnerLock::takenBy(const std::string& path)
{
    directoryLock_.reset();
    holder_ = Platform::FileLock::holderOf(path);
    // A holder that cannot be told (it has just ended) counts as a runner.
    const bool ours = holder_.uid == static_cast<uid_t>(-1) || holder_.uid == ::geteuid();
    return ours ? Outcome::HeldByRunner : Outcome::HeldByOtherUser;
}

bool RunnerLock::stillHeld()
{
    if (!fileLock_ || fileLock_->stillAtPath()) return true;
    try {
        auto again = Platform::FileLock::tryTake(lockFile_);
        if (!again) {
            holder_ = Platform::FileLock::holderOf(lockFile_);
            return false;
        }
        fileLock_ = std::move(again);
        std::cerr << "Pelmor: the lock file '" << lockFile_ << "' was removed or replaced; this runner took it again"
                  << std::endl;
    } catch (const Platform::AutomationError& e) {
        // Nothing to lock any more: the runner goes on unguarded, as at a start.
        fileLock_.reset();
        std::cerr << "Pelmor: " << e.report() << std::endl;
    }
    return true;
}
