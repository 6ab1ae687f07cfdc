// What a writer that is killed in the middle of a replacement leaves behind.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <thread>
#include <vector>

#include "Platform/files/ReplacementFile.h"
#include "support/TempDir.h"

using namespace Platform;
namespace fs = std::filesystem;
using Creation = ReplacementFile::Creation;

namespace {

constexpr size_t SaveSize = 8 << 20;

class KilledWriter : public ::testing::Test {
protected:
    ~KilledWriter() override
    {
        if (writer_ > 0) kill();
    }

    // A child process that replaces the target again and again until killed.
    void startWriter(Creation creation)
    {
        writer_ = ::fork();
        if (writer_ != 0) return;
        const std::string chunk(1 << 20, 'x');
        try {
            for (;;) {
                ReplacementFile f(target, creation);
                for (size_t n = 0; n < SaveSize; n += chunk.size()) f.file().write(chunk.data(), chunk.size());
                f.commit();
            }
        } catch (...) {
        }
        ::_exit(1);
    }
    void kill()
    {
        ::kill(writer_, SIGKILL);
        ::waitpid(writer_, nullptr, 0);
        writer_ = 0;
    }
    // Whether the condition came true within ten seconds.
    static bool eventually(const std::function<bool()>& condition)
    {
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (!condition()) {
            if (std::chrono::steady_clock::now() > end) return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        return true;
    }
    // The writer has the target in place and a nameless new file open.
    bool writingNameless() const
    {
        if (!fs::exists(target)) return false;
        std::error_code ec;
        for (const auto& fd : fs::directory_iterator("/proc/" + std::to_string(writer_) + "/fd", ec)) {
            const std::string file = fs::read_symlink(fd.path(), ec).string();
            if (file.starts_with(dir.string() + "/") && file.ends_with(" (deleted)")) return true;
        }
        return false;
    }
    std::vector<std::string> names() const { return temp.names(); }
    std::vector<std::string> temporaries() const
    {
        std::vector<std::string> out;
        for (const auto& name : names()) {
            if (name.starts_with("Pelmor.dat.")) out.push_back(name);
        }
        return out;
    }
    bool namelessFilesAllowed() const
    {
        const int fd = ::open(dir.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
        if (fd >= 0) ::close(fd);
        return fd >= 0;
    }

    TestSupport::TempDir temp{"replacement"};
    const fs::path& dir = temp.path();
    std::string target = (dir / "Pelmor.dat").string();

private:
    pid_t writer_ = 0;
};

} // namespace

TEST_F(KilledWriter, LeavesNothingBehindWhereNewFilesCanBeNameless)
{
    if (!namelessFilesAllowed()) GTEST_SKIP() << dir << " has no nameless files";
    startWriter(Creation::Unnamed);
    ASSERT_TRUE(eventually([&] { return writingNameless(); }));
    kill();
    EXPECT_EQ(names(), std::vector<std::string>{"Pelmor.dat"});
    EXPECT_EQ(fs::file_size(target), SaveSize) << "the last complete save";
}

// Where new files have names, a killed writer leaves its file; the next
// replacement of the same target removes it, and nothing else: not what a
// writer still at work holds, nor the files of other targets.
TEST_F(KilledWriter, LeavesANamedFileThatTheNextReplacementRemoves)
{
    // The writer may have finished a save between the look and the kill.
    for (int attempt = 0; attempt < 5 && temporaries().empty(); ++attempt) {
        startWriter(Creation::Named);
        ASSERT_TRUE(eventually([&] { return fs::exists(target) && !temporaries().empty(); }));
        kill();
    }
    ASSERT_EQ(temporaries().size(), 1u);
    const fs::path left = dir / temporaries().front();
    const std::vector<std::string> others{"Other.dat.abcd1234.tmp", "Pelmor.dat.ABCD1234.tmp", "Pelmor.dat.abcd123.tmp",
                                          "Pelmor.dat.bak"};
    for (const auto& name : others) std::ofstream(dir / name) << "keep";

    ReplacementFile working(target, Creation::Named);
    working.file().write("working", 7);
    ReplacementFile next(target, Creation::Unnamed);
    next.file().write("next", 4);
    next.commit();
    EXPECT_FALSE(fs::exists(left));
    working.commit();
    std::vector<std::string> expected = others;
    expected.push_back("Pelmor.dat");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(names(), expected);
    EXPECT_EQ(fs::file_size(target), 7u);
}
