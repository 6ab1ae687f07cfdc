// What the runner keeps between its starts and how it follows the event
// file, with the real runner: every command line adds a line to its marker
// file, so a marker counts the starts of its event. A poll comes every five
// seconds, so each case runs for a few polls.
#include <gtest/gtest.h>

#include <QProcess>

#include <thread>

#include "Plent/engine/CPlentEngine.h"
#include "RunnerDirectory.h"
#include "support/FileContents.h"

using namespace std::chrono_literals;

namespace {

// Long enough for the poll after a change, and a second for its processes.
constexpr auto OnePoll = 8s;

std::shared_ptr<Plent::CPlent> onceOnly(const std::string& id, const std::string& commandLine)
{
    auto e = dailyEvent(id, -1, commandLine);
    e->setRetryMode(Plent::RetryMode::Once);
    return e;
}

void stop(RunnerDirectory& d)
{
    d.runner().terminate();
    ASSERT_TRUE(d.runner().waitForFinished(15000));
    EXPECT_EQ(d.runner().exitCode(), 0) << d.standardError();
}

size_t occurrences(const std::string& text, const std::string& part)
{
    size_t n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
}

// The first start runs everything that is due; the second only the
// once-per-start event and the event whose first start was changed in the
// file in between.
TEST(RunState, NothingRunsTwiceAcrossTwoStartsButAChangedFirstStartCounts)
{
    RunnerDirectory d;
    d.deliver();
    auto cleanup = onceOnly("cleanup", d.countingMarker("cleanup"));
    cleanup->setDeleteAfterDone(true);
    auto moved = onceOnly("moved", d.countingMarker("moved"));
    const std::vector<std::shared_ptr<Plent::CPlent>> events{
        oncePerStart("atStart", d.countingMarker("atStart")), onceOnly("once", d.countingMarker("once")),
        dailyEvent("daily", -1, d.countingMarker("daily")), cleanup, moved};
    d.writeEvents(events);
    d.start();
    ASSERT_TRUE(d.waitForCount("moved", 1, 20s)) << d.standardError();
    stop(d);
    EXPECT_TRUE(fs::exists(d.path("Pelmor.state")));

    moved->setNextStart(moved->NextStart() + 1.0 / 24 / 60);
    d.writeEvents(events);
    d.start();
    ASSERT_TRUE(d.waitForCount("moved", 2, 20s)) << d.standardError();
    ASSERT_TRUE(d.waitForCount("atStart", 2, 5s));
    stop(d);
    std::this_thread::sleep_for(1s);
    for (const char* ranOnce : {"once", "daily", "cleanup"}) EXPECT_EQ(d.markerCount(ranOnce), 1) << ranOnce;
}

// Saved while the runner runs: an added event starts at the next poll, a
// removed one never, the once-per-start event not again; a broken file in
// its place leaves the runner with its events until a whole one comes.
TEST(RunState, FollowsTheEventFileWithoutARestart)
{
    RunnerDirectory d;
    d.deliver();
    auto atStart = oncePerStart("atStart", d.countingMarker("atStart"));
    d.writeEvents({atStart, dailyEvent("removed", 12.0 / 3600, d.countingMarker("removed"))});
    d.start();
    ASSERT_TRUE(d.waitForCount("atStart", 1, 20s)) << d.standardError();

    auto added = dailyEvent("added", -1, d.countingMarker("added"));
    d.writeEvents({atStart, added});
    EXPECT_TRUE(d.waitForCount("added", 1, OnePoll)) << d.standardError();

    writeFile(d.path("Pelmor.dat.new").string(), "half an event file");
    fs::rename(d.path("Pelmor.dat.new"), d.path("Pelmor.dat"));
    std::this_thread::sleep_for(OnePoll);
    EXPECT_EQ(d.runner().state(), QProcess::Running);
    EXPECT_EQ(occurrences(d.standardError(), "cannot be read again"), 1u) << d.standardError();

    d.writeEvents({atStart, added, dailyEvent("afterwards", -1, d.countingMarker("afterwards"))});
    EXPECT_TRUE(d.waitForCount("afterwards", 1, OnePoll)) << d.standardError();
    stop(d);
    EXPECT_EQ(d.markerCount("removed"), 0);
    EXPECT_EQ(d.markerCount("atStart"), 1);
    EXPECT_EQ(d.markerCount("added"), 1);
}

// A second start finds the first and ends at once; a killed runner leaves
// nothing that keeps the next one from running.
TEST(RunState, OneRunnerPerDirectoryAndNoLockOutlivesItsRunner)
{
    RunnerDirectory d;
    d.deliver();
    d.writeEvents({oncePerStart("atStart", d.countingMarker("atStart")), dailyEvent("daily", -1, d.countingMarker("daily"))});
    d.start();
    ASSERT_TRUE(d.waitForCount("daily", 1, 20s)) << d.standardError();

    QProcess second;
    second.setProcessEnvironment(RunnerDirectory::runnerEnvironment());
    second.start(QString::fromStdString(d.path("Pelmor").string()), {});
    ASSERT_TRUE(second.waitForFinished(15000));
    EXPECT_EQ(second.exitCode(), 0);
    const std::string said = second.readAllStandardError().toStdString();
    EXPECT_NE(said.find("is already running (process " + std::to_string(d.runner().processId()) + ")"), std::string::npos)
        << said;
    EXPECT_EQ(said.find("could not be brought to the front"), std::string::npos) << said;

    d.runner().kill();
    ASSERT_TRUE(d.runner().waitForFinished(5000));
    d.start();
    ASSERT_TRUE(d.waitForCount("atStart", 2, 20s)) << d.standardError();
    EXPECT_EQ(d.standardError().find("already running"), std::string::npos);
    stop(d);
    EXPECT_EQ(d.markerCount("daily"), 1);
}

TEST(RunState, ACorruptStateFileIsMovedAsideAndTheRunnerRuns)
{
    RunnerDirectory d;
    d.deliver();
    d.writeEvents({dailyEvent("daily", -1, d.countingMarker("daily"))});
    writeFile(d.path("Pelmor.state").string(), "{ not a state");
    d.start();
    ASSERT_TRUE(d.waitForCount("daily", 1, 20s)) << d.standardError();
    stop(d);
    EXPECT_EQ(readFile(d.path("Pelmor.state.bad").string()), "{ not a state");
    EXPECT_NE(d.standardError().find("run state cannot be read"), std::string::npos) << d.standardError();
    EXPECT_NE(readFile(d.path("Pelmor.state").string()).find("\"daily\""), std::string::npos);
}

} // namespace
