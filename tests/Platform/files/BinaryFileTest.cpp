#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>

#include "support/NamedPipe.h"
#include "support/TempDir.h"

#include "Platform/automation/AutomationError.h"
#include "Platform/files/BinaryFile.h"
#include "Platform/files/ReplacementFile.h"

using namespace Platform;
using namespace std::chrono_literals;

namespace {

std::string pattern(size_t size)
{
    std::string s(size, '\0');
    for (size_t i = 0; i < size; ++i) s[i] = static_cast<char>(i * 7 % 251);
    return s;
}

std::string readBack(BinaryFile& f, int64_t at, size_t size)
{
    std::string s(size, '\0');
    f.seek(at);
    s.resize(f.read(s.data(), size));
    return s;
}

class BinaryFileTest : public ::testing::Test {
protected:
    TestSupport::TempDir temp{"binaryfile"};
    const std::filesystem::path& dir = temp.path();
};

} // namespace

TEST_F(BinaryFileTest, ReadsAndWritesMeetAcrossTheBuffer)
{
    const std::string target = (dir / "data.bin").string();
    const std::string data = pattern(200000);
    ReplacementFile out(target);
    BinaryFile& f = out.file();
    f.write(data.data(), data.size());
    EXPECT_EQ(f.position(), 200000);
    EXPECT_EQ(readBack(f, 65530, 20), data.substr(65530, 20));
    f.write("xyz", 3); // at 65550, behind what was just read
    EXPECT_EQ(readBack(f, 65548, 6), data.substr(65548, 2) + "xyz" + data.substr(65553, 1));
    EXPECT_EQ(readBack(f, 199998, 10), data.substr(199998));
    out.commit();

    std::ifstream in(target, std::ios::binary);
    std::string stored{std::istreambuf_iterator<char>(in), {}};
    EXPECT_EQ(stored, data.substr(0, 65550) + "xyz" + data.substr(65553));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 1);
}

TEST_F(BinaryFileTest, FailuresCarryTheRunTimeErrorNumber)
{
    try {
        BinaryFile::openForReading((dir / "missing").string());
        FAIL();
    } catch (const AutomationError& e) {
        EXPECT_EQ(e.number(), 53);
    }
    try {
        ReplacementFile((dir / "missing" / "x").string());
        FAIL();
    } catch (const AutomationError& e) {
        EXPECT_EQ(e.number(), 76); // the directory is missing, not the file
    }
}

// A named pipe would hold the open until a writer comes; nothing but a
// regular file is read, a link being followed to what it points to.
TEST_F(BinaryFileTest, OnlyRegularFilesAreReadAndAPipeIsRefusedWithoutWaiting)
{
    const NamedPipe pipe((dir / "pipe").string());
    std::filesystem::create_symlink(pipe.path(), dir / "link-to-pipe");
    std::ofstream(dir / "regular") << "abc";
    std::filesystem::create_symlink(dir / "regular", dir / "link-to-regular");
    for (const std::string name : {"pipe", "link-to-pipe", ""}) {
        SCOPED_TRACE(name);
        const std::string path = (dir / name).string();
        std::optional<AutomationError> error;
        const bool ended = pipe.finishesWithin(5s, [&] {
            try {
                BinaryFile::openForReading(path);
            } catch (const AutomationError& e) {
                error = e;
            }
        });
        EXPECT_TRUE(ended) << "the open waited for a writer";
        ASSERT_TRUE(error);
        EXPECT_EQ(error->number(), 75);
        EXPECT_EQ(error->description(), "Path/File access error: '" + path + "' is not a regular file");
    }
    BinaryFile linked = BinaryFile::openForReading((dir / "link-to-regular").string());
    EXPECT_EQ(readBack(linked, 0, 10), "abc");
}
