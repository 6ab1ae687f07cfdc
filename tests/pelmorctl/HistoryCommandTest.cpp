// pelmorctl history: reading the runner's history of an event file.
#include "CtlFixtures.h"

#include <QJsonDocument>

#include "Plent/history/HistoryFile.h"
#include "Plent/history/RunRecord.h"

using namespace ctlfixtures;
namespace Key = History::Key;

namespace {

class HistoryCommandTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        History::HistoryFile history(dir_.file("Pelmor.history"));
        history.append({{Key::Run, "1"}, {Key::Time, "2026-05-01 02:00:00"}, {Key::Identifier, "backup"},
                        {Key::Outcome, History::Outcome::Started}, {Key::Pid, 100}});
        history.append({{Key::Run, "2"}, {Key::Time, "2026-05-01 02:00:00"}, {Key::Identifier, "mail"},
                        {Key::Outcome, History::Outcome::NotStarted}, {Key::Reason, "program not found: fetch"}});
        history.append({{Key::Run, "1"}, {Key::ExitStatus, 3}, {Key::Seconds, 12.4}, {Key::Output, "disk full\n"}});
        history.append({{Key::Run, "3"}, {Key::Time, "2026-05-02 02:00:00"}, {Key::Identifier, "Backup"},
                        {Key::Outcome, History::Outcome::Started}, {Key::Late, true}, {Key::Alarm, true}});
        history.append({{Key::Run, "3"}, {Key::ExitStatus, 0}, {Key::Seconds, 4.0}});
        history.append({{Key::Run, "4"}, {Key::Time, "2026-05-02 03:00:00"}, {Key::Identifier, "clean"},
                        {Key::Outcome, History::Outcome::Started}});
        history.append({{Key::Run, "4"}, {Key::Signal, 9}, {Key::Seconds, 1.0}});
        history.append({{Key::Run, "5"}, {Key::Time, "2026-05-02 04:00:00"}, {Key::Identifier, "watch"},
                        {Key::Outcome, History::Outcome::Started}});
        history.append({{Key::Run, "5"}, {Key::StillRunning, true}});
    }
    CtlRun history(std::vector<std::string> options) const
    {
        options.insert(options.begin(), {"history", dir_.file("Pelmor.dat")});
        return ctl(options);
    }

    TempDir dir_;
};

TEST_F(HistoryCommandTest, ShowsOneLinePerRunOldestFirst)
{
    const CtlRun run = history({});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "2026-05-01 02:00:00  backup  exit status 3, 12.4 s\n"
                       "2026-05-01 02:00:00  mail  not started: program not found: fetch\n"
                       "2026-05-02 02:00:00  Backup  exit status 0, 4.0 s (late) (alarm)\n"
                       "2026-05-02 03:00:00  clean  ended by signal 9, 1.0 s\n"
                       "2026-05-02 04:00:00  watch  still running when the runner ended\n");
}

TEST_F(HistoryCommandTest, FiltersByIdentifierTimeAndFailure)
{
    EXPECT_EQ(history({"--id", "BACKUP"}).out, "2026-05-01 02:00:00  backup  exit status 3, 12.4 s\n"
                                               "2026-05-02 02:00:00  Backup  exit status 0, 4.0 s (late) (alarm)\n");
    EXPECT_EQ(history({"--since", "2026-05-02 03:00"}).out,
              "2026-05-02 03:00:00  clean  ended by signal 9, 1.0 s\n"
              "2026-05-02 04:00:00  watch  still running when the runner ended\n");
    EXPECT_EQ(history({"--failed"}).out, "2026-05-01 02:00:00  backup  exit status 3, 12.4 s\n"
                                         "2026-05-01 02:00:00  mail  not started: program not found: fetch\n"
                                         "2026-05-02 03:00:00  clean  ended by signal 9, 1.0 s\n");
    EXPECT_EQ(history({"--id", "backup", "--failed", "--output"}).out,
              "2026-05-01 02:00:00  backup  exit status 3, 12.4 s\n    disk full\n");
}

TEST_F(HistoryCommandTest, JsonGivesEachRunWithTheStoredFields)
{
    const CtlRun run = history({"--id", "clean", "--json"});
    const QJsonObject record = QJsonDocument::fromJson(QByteArray::fromStdString(run.out)).object();
    EXPECT_EQ(record.value(Key::Identifier).toString(), "clean");
    EXPECT_EQ(record.value(Key::Signal).toInt(), 9);
    EXPECT_EQ(record.value(Key::Outcome).toString(), "started");
}

TEST_F(HistoryCommandTest, AMissingHistoryPrintsNothingAndBadArgumentsGiveStatusTwo)
{
    const CtlRun missing = ctl({"history", dir_.file("other.dat")});
    EXPECT_EQ(missing.status, 0);
    EXPECT_EQ(missing.out, "");
    EXPECT_EQ(history({"--since", "yesterday"}).status, 2);
    EXPECT_EQ(history({"--bogus"}).status, 2);
    EXPECT_EQ(ctl({"history"}).status, 2);
}

} // namespace
