#pragma once
#include <string>

namespace Platform {

// The names of the new files written beside a target before they take its
// place: "<target>.<eight letters or digits>.tmp". A save holds a lock on
// its new file for as long as the file is open, so a file of such a name
// that nobody holds is what a killed save left behind.
class TemporaryNames {
public:
    // A fresh name beside target.
    static std::string beside(const std::string& target);
    // Whether fileName (without directory) is such a name for the target
    // whose file name is targetName.
    static bool isFor(const std::string& fileName, const std::string& targetName);
    // Takes the lock that marks the open file fd as a save's own. False when
    // a clean-up holds it to remove the file: the save then needs another
    // one. A file system without locks lets the save go on unlocked.
    static bool hold(int fd);
    // Removes the files that killed saves of target left beside it. What
    // cannot be removed stays for the next time: it does the save no harm.
    static void removeAbandoned(const std::string& target);
};

} // namespace Platform
