// The state file: what is written is read back exactly; what cannot be read
// fails with an error naming the file, and is moved aside, never deleted.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <filesystem>

#include "support/RaisedError.h"
#include "Plent/runstate/RunStateFile.h"
#include "Platform/automation/AutomationError.h"
#include "support/FileContents.h"

using namespace Plent;

namespace {

class RunStateFileTest : public ::testing::Test {
protected:
    std::string path(const std::string& name) const { return dir_.filePath(QString::fromStdString(name)).toStdString(); }

    QTemporaryDir dir_;
};

TEST_F(RunStateFileTest, ReadsBackExactlyWhatItWrote)
{
    RunState state;
    state.set({"Backup", {46143.375, 46143.375, 0, 0, false}, RunFields{46144.375, 46144.1, 46143.3751234567, 3, true}, {}});
    state.set({"Ärger", {1.0 / 3, 1e15 + 0.5, 2e-300, -7, true}, std::nullopt, "abc123", 46150.25});
    state.setStarts({{"20260504120000-4711-1", "Backup", "backup --all", 46143.375}});
    RunStateFile::write(state, path("Pelmor.state"));
    const auto back = RunStateFile::read(path("Pelmor.state"));
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, state);
}

TEST_F(RunStateFileTest, NoFileIsNoState)
{
    EXPECT_FALSE(RunStateFile::read(path("Pelmor.state")));
}

TEST_F(RunStateFileTest, AFileThatIsNoStateFileOfThisVersionFails)
{
    for (const std::string text : {"{\"Version\": 1, \"Events\": [", "[]", "{\"Version\": 2, \"Events\": []}",
                                   "{\"Version\": 1, \"Events\": [{\"Identifier\": \"a\"}]}",
                                   "{\"Version\": 1, \"Events\": [{\"Identifier\": \"a\", \"Base\": {\"NextStart\": 1, "
                                   "\"RegularStart\": 1, \"LastStart\": 1, \"Status\": 70000, \"Finished\": false}, "
                                   "\"Removed\": true, \"Definition\": \"x\"}]}"}) {
        writeFile(path("Pelmor.state"), text);
        const auto e = TestSupport::errorOf([&] { RunStateFile::read(path("Pelmor.state")); });
        ASSERT_TRUE(e) << text;
        EXPECT_EQ(e->number(), RunStateFile::InvalidFormat);
        EXPECT_NE(e->description().find(path("Pelmor.state")), std::string::npos) << e->description();
    }
}

TEST_F(RunStateFileTest, MovesABrokenFileAsideUnderAFreeName)
{
    writeFile(path("Pelmor.state"), "first");
    EXPECT_EQ(RunStateFile::moveAside(path("Pelmor.state")), path("Pelmor.state.bad"));
    writeFile(path("Pelmor.state"), "second");
    EXPECT_EQ(RunStateFile::moveAside(path("Pelmor.state")), path("Pelmor.state.bad.2"));
    EXPECT_EQ(readFile(path("Pelmor.state.bad")), "first");
    EXPECT_EQ(readFile(path("Pelmor.state.bad.2")), "second");
    EXPECT_FALSE(std::filesystem::exists(path("Pelmor.state")));
}

// A directory in the state file's place stands for any write that fails.
TEST_F(RunStateFileTest, AFailedWriteNamesTheFileAndLeavesTheOldOne)
{
    std::filesystem::create_directory(path("Pelmor.state"));
    const auto e = TestSupport::errorOf([&] { RunStateFile::write(RunState{}, path("Pelmor.state")); });
    ASSERT_TRUE(e);
    EXPECT_EQ(e->source(), "RunStateFile.write");
    EXPECT_NE(e->description().find(path("Pelmor.state")), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_directory(path("Pelmor.state")));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_.path().toStdString()), {}), 1)
        << "no temporary file left";
}

} // namespace
