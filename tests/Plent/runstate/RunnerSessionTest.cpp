// The runner's session in the engine, driven as the runner drives it, with
// a fixed clock: what a poll hands out survives the next start, the event
// file is followed while the session runs, and problems with the state or
// the file are reported once and never end the run.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <filesystem>

#include "Plent/engine/CPlentEngine.h"
#include "Plent/engine/RunnerSession.h"
#include "Plent/files/RunnerFiles.h"
#include "Plent/runstate/RunStateFile.h"
#include "Platform/dates/Clock.h"
#include "support/FileContents.h"

using namespace Plent;
using Platform::DateTime;
using testing::Contains;
using testing::ElementsAre;
using testing::HasSubstr;
using testing::IsEmpty;

namespace {

const DateTime Now = DateTime::fromCivil(2026, 5, 4, 12, 0, 0);

std::shared_ptr<CPlent> event(const std::string& id, int16_t retryMode, double hoursFromNow)
{
    auto e = CPlentEngine::NewPlent();
    e->setIdentifier(id);
    e->setRetryMode(retryMode);
    e->setRetry(1);
    e->setNextStart(Now.toDate() + hoursFromNow / 24);
    return e;
}

std::shared_ptr<CPlent> deletedAfterDone(const std::string& id)
{
    auto e = event(id, RetryMode::Once, -1);
    e->setDeleteAfterDone(true);
    return e;
}

// One start of the runner: a new engine and session on the directory's file.
class RunnerStart {
public:
    explicit RunnerStart(const std::string& file) : session_(engine_) { session_.OpenEventFile(file, report); }

    // The identifiers one poll hands out.
    std::vector<std::string> poll()
    {
        session_.FollowEventFile(report);
        session_.BeginPoll();
        std::vector<std::string> handedOut;
        for (;;) {
            std::string description, parameter;
            bool alarm = false;
            const std::string id = engine_.ActivEvent(description, parameter, alarm);
            if (id.empty()) break;
            handedOut.push_back(id);
        }
        session_.EndPoll(report);
        return handedOut;
    }
    void end() { session_.SaveState(report); }

    CPlentEngine& engine() { return engine_; }
    std::vector<std::string> report;

private:
    CPlentEngine engine_;
    RunnerSession session_;
};

using Ids = std::vector<std::string>;

class RunnerSessionTest : public ::testing::Test {
protected:
    void save(const std::vector<std::shared_ptr<CPlent>>& events) const
    {
        CPlentEngine engine;
        for (const auto& e : events) engine.Plents().Add(e, e->Identifier());
        engine.SaveObjects(file_);
    }
    std::string stateFile() const { return RunnerFiles::stateOf(file_); }

    Platform::FixedClock clock_{Now};
    QTemporaryDir dir_;
    std::string file_ = dir_.filePath("Pelmor.dat").toStdString();
};

TEST_F(RunnerSessionTest, NothingHandedOutBeforeRunsAgainAtTheNextStart)
{
    save({event("atStart", RetryMode::OncePerRun, 0), event("once", RetryMode::Once, -1),
          event("daily", RetryMode::Days, -1), deletedAfterDone("cleanup"), event("later", RetryMode::Days, 2)});
    {
        RunnerStart first(file_);
        EXPECT_EQ(first.poll(), (Ids{"atStart", "once", "daily", "cleanup"}));
        EXPECT_TRUE(std::filesystem::exists(stateFile())) << "written after the poll, not only at the end";
        first.end();
        EXPECT_THAT(first.report, IsEmpty());
    }
    clock_.advance(60);
    RunnerStart second(file_);
    EXPECT_EQ(second.poll(), (Ids{"atStart"}));
    EXPECT_EQ(second.engine().Plents().Item("cleanup"), nullptr);
    EXPECT_EQ(second.engine().Plents().Item("daily")->NextStart(), Now.toDate() + 23.0 / 24);
    clock_.advance(2 * 3600);
    EXPECT_EQ(second.poll(), (Ids{"later"}));
}

TEST_F(RunnerSessionTest, AFirstStartChangedInTheFileAfterTheRunCounts)
{
    auto once = event("once", RetryMode::Once, -1);
    save({once});
    RunnerStart(file_).poll();
    once->setNextStart(Now.toDate() + 1.0 / 24);
    save({once});
    RunnerStart again(file_);
    EXPECT_EQ(again.poll(), Ids{});
    clock_.advance(3600);
    EXPECT_EQ(again.poll(), Ids{"once"});
}

// Saved while the session runs: added events start at the next poll,
// removed ones never; a once-per-start event does not come again.
TEST_F(RunnerSessionTest, FollowsTheEventFile)
{
    auto atStart = event("atStart", RetryMode::OncePerRun, 0);
    auto removed = event("removed", RetryMode::Days, 1);
    save({atStart, removed});
    RunnerStart run(file_);
    EXPECT_EQ(run.poll(), Ids{"atStart"});

    save({atStart, event("added", RetryMode::Days, -0.1)});
    EXPECT_EQ(run.poll(), Ids{"added"});
    clock_.advance(2 * 3600);
    EXPECT_EQ(run.poll(), Ids{});
    EXPECT_EQ(run.engine().Plents().Item("removed"), nullptr);
    EXPECT_THAT(run.report, IsEmpty());
}

TEST_F(RunnerSessionTest, ABrokenFileKeepsTheEventsAndIsReportedOnceUntilItChangesAgain)
{
    save({event("daily", RetryMode::Days, 1)});
    RunnerStart run(file_);
    run.poll();
    writeFile(file_, readFile(file_).substr(0, 50));
    run.poll();
    run.poll();
    EXPECT_EQ(run.engine().Plents().Count(), 1);
    EXPECT_THAT(run.report, ElementsAre(HasSubstr("cannot be read again"))) << "once";

    save({event("daily", RetryMode::Days, 1), event("added", RetryMode::Days, -1)});
    EXPECT_EQ(run.poll(), Ids{"added"});
}

TEST_F(RunnerSessionTest, AnUnreadableStateIsMovedAsideAndTheRunStartsAfresh)
{
    save({event("once", RetryMode::Once, -1)});
    writeFile(stateFile(), "{ broken");
    RunnerStart run(file_);
    EXPECT_THAT(run.report, Contains(HasSubstr("cannot be read")));
    EXPECT_EQ(readFile(stateFile() + ".bad"), "{ broken");
    EXPECT_EQ(run.poll(), Ids{"once"});
    EXPECT_TRUE(RunStateFile::read(stateFile()));
}

// A directory in the state file's place makes every write fail.
TEST_F(RunnerSessionTest, AFailingWriteIsReportedOnceAndTriedAgainUntilItSucceeds)
{
    save({event("minutes", RetryMode::Minutes, -1)});
    RunnerStart run(file_);
    std::filesystem::create_directory(stateFile());
    run.poll();
    clock_.advance(60);
    run.poll();
    EXPECT_THAT(run.report, ElementsAre(HasSubstr("cannot be written"))) << "once";

    std::filesystem::remove(stateFile());
    run.poll();
    const auto state = RunStateFile::read(stateFile());
    ASSERT_TRUE(state);
    EXPECT_EQ(state->find("minutes")->Run->LastStart, Now.addSeconds(60).toDate());
}

} // namespace

// An editor that shows the run state, as PelmorEdit does: the user sees the
// runner's values, and a save of other changes, made while the runner went
// on running, neither runs an event twice nor loses the user's change.
TEST_F(RunnerSessionTest, ASaveOfTheShownStateKeepsTheRunnersNewerValues)
{
    save({event("daily", RetryMode::Days, -1), event("weekly", RetryMode::Weeks, 48)});
    RunnerStart runner(file_);
    ASSERT_EQ(runner.poll(), Ids{"daily"});

    CPlentEngine editor;
    editor.ShowRunState();
    editor.LoadObjects(file_);
    EXPECT_EQ(editor.Plents().Item("daily")->NextStart(), Now.toDate() + 23.0 / 24) << "shown as the runner sees it";
    editor.Plents().Item("weekly")->setStatus(Status::Stopped);

    clock_.advance(24 * 3600);
    ASSERT_EQ(runner.poll(), Ids{"daily"});
    editor.SaveObjects(file_);
    EXPECT_EQ(editor.Plents().Item("daily")->NextStart(), Now.toDate() + 23.0 / 24) << "still shown after the save";
    EXPECT_EQ(runner.poll(), Ids{}) << "the runner follows the saved file";
    runner.end();

    RunnerStart restarted(file_);
    EXPECT_EQ(restarted.poll(), Ids{});
    const auto daily = restarted.engine().Plents().Item("daily");
    EXPECT_EQ(daily->NextStart(), Now.toDate() + 47.0 / 24);
    EXPECT_EQ(daily->LastStart(), Now.toDate() + 1);
    EXPECT_EQ(restarted.engine().Plents().Item("weekly")->Status(), Status::Stopped);
}
