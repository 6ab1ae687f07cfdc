#pragma once
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

namespace Platform {

// An open file read and written at byte positions through one buffer, so
// that many small items cost few system calls. Failures raise an
// AutomationError with the run-time error number of the system error.
class BinaryFile {
public:
    // Opens an existing regular file for reading only; anything else (a
    // directory, a named pipe, a device) fails with the path/file access
    // error without waiting.
    static BinaryFile openForReading(const std::string& path);
    // Takes over a descriptor opened for reading and writing.
    explicit BinaryFile(int fd);
    BinaryFile(BinaryFile&& other) noexcept;
    BinaryFile& operator=(BinaryFile&& other) noexcept;
    BinaryFile(const BinaryFile&) = delete;
    BinaryFile& operator=(const BinaryFile&) = delete;
    ~BinaryFile() { abandon(); }

    // Reads up to size bytes; fewer only at the end of the file.
    size_t read(void* data, size_t size)
    {
        if (size > length_ - cursor_) return readThroughBuffer(data, size);
        std::memcpy(data, buffer_.get() + cursor_, size);
        cursor_ += size;
        return size;
    }
    void write(const void* data, size_t size);
    int64_t position() const { return bufferStart_ + static_cast<int64_t>(cursor_); }
    void seek(int64_t position);
    // Writes what is buffered and forces it to the disk.
    void sync();
    // Writes what is buffered and closes; a failure still leaves it closed.
    void close();
    // Closes without writing what is still buffered.
    void abandon() noexcept;

private:
    size_t readThroughBuffer(void* data, size_t size);
    void flush();
    void fill();

    int fd_ = -1;
    std::unique_ptr<char[]> buffer_;
    int64_t bufferStart_ = 0; // file position of buffer_[0]
    size_t length_ = 0;       // bytes of the buffer that hold file content
    size_t cursor_ = 0;       // current position within the buffer
    bool dirty_ = false;      // the buffer holds bytes not yet written
};

} // namespace Platform
