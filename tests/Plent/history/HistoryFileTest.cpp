// The run history on disk: lines of one run told as one record, what a
// crash can leave behind, and the bound on its size.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <fstream>
#include <iterator>

#include "support/RaisedError.h"
#include "Plent/history/HistoryFile.h"
#include "Plent/history/HistoryReader.h"
#include "Plent/history/OutputTail.h"
#include "Platform/automation/AutomationError.h"

using History::HistoryFile;
using History::HistoryReader;
namespace Key = History::Key;

namespace {

QJsonObject handOut(const QString& run, const QString& identifier = "backup")
{
    return {{Key::Run, run}, {Key::Identifier, identifier}, {Key::Outcome, History::Outcome::Started}};
}

QJsonObject end(const QString& run, int status) { return {{Key::Run, run}, {Key::ExitStatus, status}}; }

class HistoryFileTest : public ::testing::Test {
protected:
    std::string path() const { return dir_.filePath("Pelmor.history").toStdString(); }
    std::string bytes() const
    {
        std::ifstream in(path(), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    void appendRaw(const std::string& text) const { std::ofstream(path(), std::ios::app | std::ios::binary) << text; }
    std::vector<QString> runNames() const
    {
        std::vector<QString> names;
        for (const auto& run : HistoryReader::read(path()).runs) names.push_back(run.run());
        return names;
    }

    QTemporaryDir dir_;
};

TEST_F(HistoryFileTest, TellsTheLinesOfOneRunAsOneRecordInHandOutOrder)
{
    HistoryFile file(path());
    file.append(handOut("1"));
    file.append(handOut("2", "mail"));
    file.append(end("2", 0));
    file.append(end("1", 3));
    const auto history = HistoryReader::read(path());
    ASSERT_EQ(history.runs.size(), 2u);
    EXPECT_EQ(history.runs[0].identifier(), "backup");
    EXPECT_EQ(history.runs[0].exitStatus(), 3);
    EXPECT_TRUE(history.runs[0].failed());
    EXPECT_EQ(history.runs[1].exitStatus(), 0);
    EXPECT_FALSE(history.runs[1].failed());
    EXPECT_EQ(history.damaged, 0);
}

TEST_F(HistoryFileTest, AMissingHistoryIsEmpty)
{
    EXPECT_TRUE(HistoryReader::read(path()).runs.empty());
}

// A crash mid-write leaves the last line torn: the reader passes over it
// silently, and the next line written does not run into it.
TEST_F(HistoryFileTest, ATornLastLineIsSkippedAndDoesNotSwallowTheNextLine)
{
    HistoryFile(path()).append(handOut("1"));
    appendRaw(R"({"run":"2","identifier":"ba)");
    auto history = HistoryReader::read(path());
    EXPECT_EQ(history.runs.size(), 1u);
    EXPECT_EQ(history.damaged, 0);

    HistoryFile(path()).append(handOut("3"));
    history = HistoryReader::read(path());
    EXPECT_EQ(runNames(), (std::vector<QString>{"1", "3"}));
    EXPECT_EQ(history.damaged, 1) << "the torn line, no longer last, is counted";
}

// Past the limit the oldest half of the runs goes, each run with all its
// lines, and the file stays readable throughout.
TEST_F(HistoryFileTest, PastItsLimitOnRunsTheOldestHalfIsDropped)
{
    HistoryFile file(path(), {10, 1 << 20});
    for (int i = 1; i <= 10; ++i) {
        file.append(handOut(QString::number(i)));
        file.append(end(QString::number(i), i));
    }
    EXPECT_EQ(runNames().size(), 10u);
    file.append(handOut("11"));
    EXPECT_EQ(runNames(), (std::vector<QString>{"6", "7", "8", "9", "10", "11"}));
    EXPECT_EQ(HistoryReader::read(path()).runs.front().exitStatus(), 6) << "a kept run keeps its end";
    file.append(end("11", 0));
    EXPECT_EQ(HistoryReader::read(path()).runs.back().exitStatus(), 0) << "appends go on into the new file";
}

TEST_F(HistoryFileTest, PastItsLimitOnBytesTheOldestHalfIsDropped)
{
    const QString big(1000, 'x');
    HistoryFile file(path(), {10000, 5000});
    for (int i = 1; i <= 5; ++i) file.append(handOut(QString::number(i), big));
    EXPECT_EQ(runNames(), (std::vector<QString>{"3", "4", "5"})) << "five lines of 1 KB pass 5000 bytes";
    EXPECT_LT(bytes().size(), 5000u);
}

// A reopened file counts the runs already in it.
TEST_F(HistoryFileTest, TheLimitCountsRunsWrittenBeforeTheFileWasOpened)
{
    {
        HistoryFile first(path(), {4, 1 << 20});
        for (int i = 1; i <= 4; ++i) first.append(handOut(QString::number(i)));
    }
    HistoryFile second(path(), {4, 1 << 20});
    second.append(handOut("5"));
    EXPECT_EQ(runNames(), (std::vector<QString>{"3", "4", "5"}));
}

TEST_F(HistoryFileTest, AHistoryThatCannotBeWrittenRaisesAnErrorWithItsSource)
{
    HistoryFile file(dir_.filePath("missing/Pelmor.history").toStdString());
    const auto error = TestSupport::errorOf([&] { file.append(handOut("1")); });
    ASSERT_TRUE(error) << "no error";
    EXPECT_EQ(error->source(), "HistoryFile.append");
    EXPECT_NE(error->number(), 0);
}

TEST_F(HistoryFileTest, OnlyTheLastEightKilobytesOfOutputAreKept)
{
    std::string output(20000, 'a');
    output += "\xc3\xa4" + std::string(History::OutputTail::Kept - 1, 'z');
    std::ofstream(path(), std::ios::binary) << output;
    const QString tail = History::OutputTail::of(path());
    EXPECT_EQ(tail, QString(History::OutputTail::Kept - 1, 'z')) << "the cut character is dropped whole";
    std::ofstream(path(), std::ios::binary) << "short\n";
    EXPECT_EQ(History::OutputTail::of(path()), "short\n");
}

} // namespace
