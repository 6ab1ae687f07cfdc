#pragma once
#include <cstdint>
#include <string>

namespace Platform {

// Keeps a file that a program appends to (O_APPEND) to its end: the head is
// taken away in place, under the writer's feet, which goes on writing at
// the end and notices nothing. Where the file system can remove a range,
// the file gets shorter; where it can only free one, the head becomes a
// hole and takes no room; elsewhere the tail is copied to the front.
class FileTail {
public:
    // When more than `bound` bytes of data follow the file's first data,
    // drops the head so that about `kept` bytes remain; answers how many
    // bytes were dropped (0 for a missing file). Raises an AutomationError
    // naming the file when it cannot be cut.
    static int64_t keep(const std::string& path, int64_t bound, int64_t kept);
};

} // namespace Platform
