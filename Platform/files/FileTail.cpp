#include "FileTail.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "Platform/automation/AutomationError.h"
#include "Platform/automation/RuntimeError.h"

namespace Platform {

namespace {

// Without support a file system answers one of these; anything else is a
// failure of its own.
bool unsupported(int error) { return error == EOPNOTSUPP || error == EINVAL || error == ENOSYS; }

// The file's end as it is now, copied to its front, the rest cut off.
// Written meanwhile by the program is lost, so this is the last resort.
bool rewrite(int fd, off_t from, off_t size)
{
    std::vector<char> tail(static_cast<size_t>(size - from));
    return ::pread(fd, tail.data(), tail.size(), from) == static_cast<ssize_t>(tail.size()) &&
           ::pwrite(fd, tail.data(), tail.size(), 0) == static_cast<ssize_t>(tail.size()) && ::ftruncate(fd, size - from) == 0;
}

// Cuts the bytes before `end` (a multiple of the block size) out of the
// file; answers the bytes of data that went.
int64_t dropHead(int fd, off_t start, off_t end, off_t size)
{
    if (::fallocate(fd, FALLOC_FL_COLLAPSE_RANGE, 0, end) == 0) return end;
    if (!unsupported(errno)) return -1;
    if (::fallocate(fd, FALLOC_FL_PUNCH_HOLE | FALLOC_FL_KEEP_SIZE, 0, end) == 0) return end - start;
    if (!unsupported(errno)) return -1;
    return rewrite(fd, end, size) ? end : -1;
}

} // namespace

int64_t FileTail::keep(const std::string& path, int64_t bound, int64_t kept)
{
    const int fd = ::open(path.c_str(), O_RDWR | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0 && errno == ENOENT) return 0;
    struct stat st {};
    int64_t dropped = 0;
    if (fd >= 0 && ::fstat(fd, &st) == 0) {
        // A head made a hole before holds no data.
        const off_t start = std::max<off_t>(::lseek(fd, 0, SEEK_DATA), 0);
        const off_t block = st.st_blksize > 0 ? st.st_blksize : 4096;
        const off_t end = (st.st_size - kept) / block * block;
        if (st.st_size - start > bound && end > start) dropped = dropHead(fd, start, end, st.st_size);
    } else {
        dropped = -1;
    }
    const int error = errno;
    if (fd >= 0) ::close(fd);
    if (dropped < 0) {
        const int32_t number = ErrorFromErrno(error);
        Raise(number, "FileTail.keep", RuntimeErrorText(number) + ": " + path);
    }
    return dropped;
}

} // namespace Platform
