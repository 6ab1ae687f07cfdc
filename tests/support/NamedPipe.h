#pragma once
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <future>
#include <string>
#include <thread>

// A named pipe at a path in a test's own directory. Opening it for reading
// waits for a writer, for ever if none comes; finishesWithin runs code that
// might do so on a thread of its own and, when that code still runs at the
// end of the time given, opens the pipe for writing to let it go on, so that
// such a fault fails the test instead of hanging it.
class NamedPipe {
public:
    explicit NamedPipe(std::string path) : path_(std::move(path)) { ::mkfifo(path_.c_str(), 0600); }
    const std::string& path() const { return path_; }

    // Whether work ended in time; what it throws comes out here.
    bool finishesWithin(std::chrono::milliseconds limit, const std::function<void()>& work) const
    {
        std::packaged_task<void()> task(work);
        auto ended = task.get_future();
        std::thread worker(std::move(task));
        const bool inTime = ended.wait_for(limit) == std::future_status::ready;
        while (ended.wait_for(std::chrono::milliseconds(50)) != std::future_status::ready) {
            const int fd = ::open(path_.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
            if (fd >= 0) ::close(fd);
        }
        worker.join();
        ended.get();
        return inTime;
    }

private:
    std::string path_;
};
