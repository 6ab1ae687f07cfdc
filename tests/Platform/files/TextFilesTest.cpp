#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "Platform/automation/AutomationError.h"
#include "Platform/automation/RuntimeError.h"
#include "Platform/dates/DateTime.h"
#include "Platform/files/FileTime.h"
#include "Platform/files/TextFileReader.h"
#include "support/NamedPipe.h"

using namespace Platform;
namespace fs = std::filesystem;

namespace {

class TextFilesTest : public ::testing::Test {
protected:
    std::string write(const std::string& bytes)
    {
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
    std::vector<std::string> lines()
    {
        TextFileReader reader(path);
        EXPECT_TRUE(reader.isOpen());
        std::vector<std::string> all;
        for (std::string line; reader.readLine(line);) all.push_back(line);
        return all;
    }

    QTemporaryDir dir;
    std::string path = dir.filePath("table.txt").toStdString();
};

} // namespace

TEST_F(TextFilesTest, LinesEndInCrLfOrLf)
{
    write("one\r\ntwo\nthree\r\n\r\nlast");
    EXPECT_EQ(lines(), (std::vector<std::string>{"one", "two", "three", "", "last"}));
}

TEST_F(TextFilesTest, AFinalLineEndingAddsNoEmptyLine)
{
    write("one\r\n");
    EXPECT_EQ(lines(), std::vector<std::string>{"one"});
    write("");
    EXPECT_EQ(lines(), std::vector<std::string>{});
}

TEST_F(TextFilesTest, BytesAreWindows1252)
{
    write("M\xE4rz \x80 \x9F\r\n");
    EXPECT_EQ(lines(), std::vector<std::string>{"M\u00E4rz \u20AC \u0178"});
}

TEST_F(TextFilesTest, MissingFilesDirectoriesAndPipesDoNotOpen)
{
    EXPECT_FALSE(TextFileReader(path).isOpen());
    EXPECT_FALSE(TextFileReader(dir.path().toStdString()).isOpen());
    const NamedPipe pipe(path);
    EXPECT_TRUE(pipe.finishesWithin(std::chrono::seconds(5), [&] { EXPECT_FALSE(TextFileReader(path).isOpen()); }));
}

TEST_F(TextFilesTest, ModificationTimeIsLocalAndKeepsFractionsOfASecond)
{
    write("x");
    const auto now = std::chrono::system_clock::now();
    const Date before = FileTime::modified(path);
    // Within a day of the local time now.
    const std::time_t t = std::chrono::system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&t, &local);
    const Date localNow = DateTime::fromCivil(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                                              local.tm_min, local.tm_sec)
                              .toDate();
    EXPECT_NEAR(before, localNow, 1.0);

    fs::last_write_time(path, fs::last_write_time(path) + std::chrono::milliseconds(300));
    const Date after = FileTime::modified(path);
    EXPECT_NEAR((after - before) * 86400.0, 0.3, 0.001);
}

TEST_F(TextFilesTest, ModificationTimeOfAMissingFileIsFileNotFound)
{
    for (const std::string& missing : {path, std::string()}) {
        try {
            FileTime::modified(missing);
            ADD_FAILURE() << "no error for '" << missing << "'";
        } catch (const AutomationError& e) {
            EXPECT_EQ(e.number(), Err::FileNotFound);
        }
    }
}
