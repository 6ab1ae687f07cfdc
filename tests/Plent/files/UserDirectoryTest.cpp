// Where the runner keeps its files, and the first start of a user.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "Plent/files/UserDirectory.h"
#include "Plent/model/EventFile.h"
#include "Platform/automation/AutomationError.h"
#include "Platform/automation/RuntimeError.h"

using Plent::UserDirectory;
namespace fs = std::filesystem;

namespace {

class UserDirectoryTest : public ::testing::Test {
protected:
    fs::path temp() const { return fs::path(temp_.path().toStdString()); }
    fs::path programDir() const { return temp() / "lib"; }
    void SetUp() override { fs::create_directories(programDir()); }

    static std::string bytesOf(const fs::path& file)
    {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    // What the engine writes for no events.
    std::string emptyEngine() const
    {
        const fs::path file = temp() / "empty.dat";
        Plent::EventFile::Save(Plent::colPlents(), file.string());
        return bytesOf(file);
    }
    static std::vector<fs::path> entriesOf(const fs::path& dir)
    {
        std::vector<fs::path> entries;
        for (const auto& entry : fs::recursive_directory_iterator(dir)) entries.push_back(entry.path());
        return entries;
    }

    UserDirectory::Environment environment{"", "/xdg/data", "/home/someone"};

private:
    QTemporaryDir temp_;
};

TEST_F(UserDirectoryTest, APortableTreeKeepsItsFilesBesideTheProgram)
{
    std::ofstream(programDir() / "Pelmor.dat") << "events";
    environment.pelmorHome = "/elsewhere";
    EXPECT_EQ(UserDirectory::locate(programDir(), environment), programDir());
}

TEST_F(UserDirectoryTest, ASystemInstallationUsesTheUsersDirectories)
{
    environment.pelmorHome = "/data/mine";
    EXPECT_EQ(UserDirectory::locate(programDir(), environment), "/data/mine");
    environment.pelmorHome.clear();
    EXPECT_EQ(UserDirectory::locate(programDir(), environment), "/xdg/data/pelmor");
    environment.xdgDataHome.clear();
    EXPECT_EQ(UserDirectory::locate(programDir(), environment), "/home/someone/.local/share/pelmor");
    // A relative base directory is invalid and passed over.
    environment.xdgDataHome = "data";
    EXPECT_EQ(UserDirectory::locate(programDir(), environment), "/home/someone/.local/share/pelmor");
}

TEST_F(UserDirectoryTest, ARelativePelmorHomeMeansTheSameDirectoryLater)
{
    environment.pelmorHome = "mine";
    EXPECT_EQ(UserDirectory::locate(programDir(), environment), fs::current_path() / "mine");
}

TEST_F(UserDirectoryTest, TheFirstStartMakesTheDirectoryWithAnEmptyEventFileAndNothingElse)
{
    const fs::path dir = temp() / "data" / "pelmor";
    UserDirectory::prepare(dir);
    EXPECT_EQ(entriesOf(temp() / "data"), (std::vector<fs::path>{dir, dir / "Pelmor.dat"}));
    EXPECT_EQ(bytesOf(dir / "Pelmor.dat"), emptyEngine());
    EXPECT_EQ(bytesOf(dir / "Pelmor.dat").size(), 33u);
    for (const fs::path& made : {dir, dir / "Pelmor.dat"})
        EXPECT_EQ(fs::status(made).permissions() & (fs::perms::group_all | fs::perms::others_all), fs::perms::none);
}

TEST_F(UserDirectoryTest, LaterStartsLeaveTheEventFileAlone)
{
    const fs::path dir = temp() / "pelmor";
    fs::create_directories(dir);
    std::ofstream(dir / "Pelmor.dat") << "the user's events";
    UserDirectory::prepare(dir);
    EXPECT_EQ(bytesOf(dir / "Pelmor.dat"), "the user's events");

    // A directory that lost its event file gets an empty one again.
    fs::remove(dir / "Pelmor.dat");
    UserDirectory::prepare(dir);
    EXPECT_EQ(bytesOf(dir / "Pelmor.dat"), emptyEngine());
}

// A file where a directory should be: the error says what and where.
TEST_F(UserDirectoryTest, ALocationThatCannotBeMadeIsReported)
{
    std::ofstream(temp() / "occupied") << "a file";
    const fs::path dir = temp() / "occupied" / "pelmor";
    try {
        UserDirectory::prepare(dir);
        FAIL() << "no error";
    } catch (const Platform::AutomationError& error) {
        EXPECT_EQ(error.number(), Platform::Err::PathNotFound);
        EXPECT_EQ(error.source(), "UserDirectory.prepare");
        EXPECT_NE(error.description().find(dir.string()), std::string::npos) << error.description();
    }
}

} // namespace
