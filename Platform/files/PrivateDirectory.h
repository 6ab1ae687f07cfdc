#pragma once
#include <filesystem>
#include <string>

namespace Platform {

// The runner's files hold command lines and what they printed, and its lock
// decides which runner polls: other users may neither read them nor take
// them. Folders are made 0700 and files 0600 whatever the umask, and ones
// an earlier version left more open are narrowed, as long as they are ours.
class PrivateDirectory {
public:
    // Makes the folder (and its parents) when it is missing. Raises an
    // AutomationError naming the folder when it cannot be made.
    static void make(const std::filesystem::path& dir);
    // Owned by this user, no link, and closed to everyone else: what no
    // other user can put anything into or take anything from.
    static bool isPrivate(const std::filesystem::path& dir);
    // Opens (creating when missing) a file for reading and writing without
    // following a link at its name; -1 with errno set on failure.
    static int openFile(const std::string& path, int flags = 0);
    // Narrows an open file of ours to 0600.
    static void restrict(int fd);
};

} // namespace Platform
