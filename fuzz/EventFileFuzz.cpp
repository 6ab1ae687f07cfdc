// Loads arbitrary bytes as an event file. Whatever they are, loading must
// end without a crash, a hang or an unbounded allocation, with at most an
// error or a message; and what was loaded must save to a file that loads
// without a message and saves to the very same bytes.
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "Plent/model/EventFile.h"
#include "Platform/automation/AutomationError.h"

namespace {

// The input lives in memory; the stream opens it through its descriptor.
class InputFile {
public:
    InputFile() : fd_(::memfd_create("eventfile-input", 0)), path_("/proc/self/fd/" + std::to_string(fd_)) {}
    const std::string& fill(const uint8_t* data, size_t size)
    {
        if (::ftruncate(fd_, 0) != 0 || ::pwrite(fd_, data, size, 0) != static_cast<ssize_t>(size)) std::abort();
        return path_;
    }

private:
    int fd_;
    std::string path_;
};

// Saves go to a directory in memory, removed at exit.
class OutputDir {
public:
    OutputDir()
    {
        std::string pattern = "/dev/shm/eventfile-fuzz-XXXXXX";
        if (!::mkdtemp(pattern.data())) std::abort();
        dir_ = pattern;
    }
    ~OutputDir() { std::filesystem::remove_all(dir_); }
    std::string file() const { return (dir_ / "Pelmor.dat").string(); }

private:
    std::filesystem::path dir_;
};

std::string saved(const Plent::colPlents& plents, const std::string& path)
{
    Plent::EventFile::Save(plents, path);
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static InputFile input;
    static OutputDir output;

    Plent::colPlents loaded;
    std::vector<std::string> notices;
    try {
        Plent::EventFile::Load(loaded, input.fill(data, size), notices);
    } catch (const Platform::AutomationError&) {
        // Duplicate keys, negative string lengths and files cut short end
        // the load this way.
    }

    const std::string first = saved(loaded, output.file());
    notices.clear();
    Plent::colPlents again;
    Plent::EventFile::Load(again, output.file(), notices);
    if (!notices.empty() || again.Count() != loaded.Count() || saved(again, output.file()) != first) std::abort();
    return 0;
}
