#pragma once
#include <cstdint>
#include <string>

namespace Platform {

// Which file a path names and how it was last written: device and inode,
// size and modification time to the nanosecond. Two looks at a path give
// the same identity unless the file was written or replaced in between (a
// save by rename gives a new inode even when size and time agree).
struct FileIdentity {
    bool exists = false;
    uint64_t device = 0;
    uint64_t inode = 0;
    int64_t size = 0;
    int64_t modifiedSeconds = 0;
    int64_t modifiedNanoseconds = 0;

    // A path that cannot be looked at counts as a file that does not exist.
    static FileIdentity of(const std::string& path);
    bool operator==(const FileIdentity& other) const = default;
};

} // namespace Platform
