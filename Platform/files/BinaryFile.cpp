#include "BinaryFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

#include "Platform/automation/AutomationError.h"
#include "Platform/automation/RuntimeError.h"

namespace Platform {

namespace {

constexpr size_t BufferSize = 64 * 1024;

[[noreturn]] void raiseErrno(const char* operation)
{
    Raise(ErrorFromErrno(errno), std::string("BinaryFile.") + operation);
}

// A file that cannot be opened is named, so that the report says which.
[[noreturn]] void raiseOpenErrno(const std::string& path)
{
    const int32_t number = ErrorFromErrno(errno);
    Raise(number, "BinaryFile.open", RuntimeErrorText(number) + ": '" + path + "'");
}

} // namespace

// Opening a named pipe would wait for a writer, for ever if none comes: the
// open does not wait, and the file is read only when it is a regular one.
BinaryFile BinaryFile::openForReading(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) raiseOpenErrno(path);
    BinaryFile file(fd);
    struct stat st {};
    if (::fstat(fd, &st) != 0) raiseOpenErrno(path);
    if (!S_ISREG(st.st_mode))
        Raise(Err::PathFileAccess, "BinaryFile.open",
              RuntimeErrorText(Err::PathFileAccess) + ": '" + path + "' is not a regular file");
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) raiseErrno("open");
    return file;
}

BinaryFile::BinaryFile(int fd) : fd_(fd), buffer_(new char[BufferSize]) {}

BinaryFile::BinaryFile(BinaryFile&& other) noexcept { *this = std::move(other); }

BinaryFile& BinaryFile::operator=(BinaryFile&& other) noexcept
{
    if (this == &other) return *this;
    abandon();
    fd_ = std::exchange(other.fd_, -1);
    buffer_ = std::move(other.buffer_);
    bufferStart_ = other.bufferStart_;
    length_ = other.length_;
    cursor_ = other.cursor_;
    dirty_ = std::exchange(other.dirty_, false);
    return *this;
}

void BinaryFile::abandon() noexcept
{
    if (fd_ >= 0) ::close(std::exchange(fd_, -1));
    dirty_ = false;
}

size_t BinaryFile::readThroughBuffer(void* data, size_t size)
{
    auto* out = static_cast<char*>(data);
    size_t done = 0;
    while (done < size) {
        if (cursor_ == length_) {
            fill();
            if (length_ == 0) break;
        }
        const size_t n = std::min(size - done, length_ - cursor_);
        std::memcpy(out + done, buffer_.get() + cursor_, n);
        cursor_ += n;
        done += n;
    }
    return done;
}

void BinaryFile::write(const void* data, size_t size)
{
    if (!dirty_) {
        // Leave read-ahead behind: from here on the buffer collects output.
        bufferStart_ = position();
        length_ = cursor_ = 0;
    }
    const auto* in = static_cast<const char*>(data);
    while (size > 0) {
        if (cursor_ == BufferSize) flush();
        const size_t n = std::min(size, BufferSize - cursor_);
        std::memcpy(buffer_.get() + cursor_, in, n);
        cursor_ += n;
        length_ = cursor_;
        dirty_ = true;
        in += n;
        size -= n;
    }
}

void BinaryFile::seek(int64_t position)
{
    if (position < 0) Raise(Err::BadFileName, "BinaryFile.seek");
    flush();
    if (position >= bufferStart_ && position <= bufferStart_ + static_cast<int64_t>(length_)) {
        cursor_ = static_cast<size_t>(position - bufferStart_);
        return;
    }
    bufferStart_ = position;
    length_ = cursor_ = 0;
}

void BinaryFile::sync()
{
    flush();
    if (::fsync(fd_) != 0) raiseErrno("sync");
}

void BinaryFile::close()
{
    if (fd_ < 0) return;
    try {
        flush();
    } catch (...) {
        ::close(std::exchange(fd_, -1));
        throw;
    }
    if (::close(std::exchange(fd_, -1)) != 0) raiseErrno("close");
}

// Writes the buffered output and keeps the position; the buffer is then
// empty and starts at the position.
void BinaryFile::flush()
{
    if (!dirty_) return;
    size_t written = 0;
    while (written < length_) {
        const ssize_t n = ::pwrite(fd_, buffer_.get() + written, length_ - written,
                                   bufferStart_ + static_cast<int64_t>(written));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) raiseErrno("write");
        written += static_cast<size_t>(n);
    }
    dirty_ = false;
    bufferStart_ += static_cast<int64_t>(cursor_);
    length_ = cursor_ = 0;
}

// Reads the next stretch of the file into the buffer; length_ 0 at its end.
void BinaryFile::fill()
{
    flush();
    bufferStart_ = position();
    length_ = cursor_ = 0;
    ssize_t n;
    do {
        n = ::pread(fd_, buffer_.get(), BufferSize, bufferStart_);
    } while (n < 0 && errno == EINTR);
    if (n < 0) raiseErrno("read");
    length_ = static_cast<size_t>(n);
}

} // namespace Platform
