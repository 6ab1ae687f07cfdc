#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include "Platform/files/FileTail.h"
#include "support/FileContents.h"

using namespace Platform;
namespace fs = std::filesystem;

namespace {

// The writer appends through its own descriptor and goes on at the end
// after the cut; on a file system without range removal (tmpfs) the head
// becomes a hole.
TEST(FileTail, CutsTheHeadUnderAnAppendingWriter)
{
    constexpr int64_t Bound = 1 << 20, Kept = Bound / 2, Written = 3 * Bound + 123;
    for (const std::string& base : {QDir::tempPath().toStdString(), std::string("/dev/shm")}) {
        if (!fs::is_directory(base)) continue;
        QTemporaryDir dir(QString::fromStdString(base + "/tail-XXXXXX"));
        const std::string path = dir.filePath("out.log").toStdString();
        const int writer = ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0600);
        std::string bytes;
        for (int64_t i = 0; i < Written; ++i) bytes += static_cast<char>('a' + i % 26);
        ASSERT_EQ(::write(writer, bytes.data(), bytes.size()), Written);
        const int64_t dropped = FileTail::keep(path, Bound, Kept);
        EXPECT_GE(dropped, Written - Kept - 65536) << base;
        EXPECT_LE(dropped, Written - Kept) << base;
        EXPECT_EQ(FileTail::keep(path, Bound, Kept), 0) << base << ": a cut file is within the bound";
        ASSERT_EQ(::write(writer, "END", 3), 3);
        ::close(writer);
        const std::string now = readFile(path);
        EXPECT_EQ(now.substr(now.size() - Kept - 3), bytes.substr(Written - Kept) + "END") << base;
        struct stat st {};
        ::stat(path.c_str(), &st);
        EXPECT_LE(st.st_blocks * 512, Bound) << base << ": the head takes no room";
        EXPECT_EQ(FileTail::keep(dir.filePath("none").toStdString(), Bound, Kept), 0);
    }
}

} // namespace
