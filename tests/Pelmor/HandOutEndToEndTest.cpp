// The runner under faults, end to end: killed in the middle of a poll, an
// emptied event file, overlapping runs, a missing table, an event without
// identifier and a clock set back. Every command line adds a line to its
// marker, so markers count the starts; the history tells the rest.
#include <gtest/gtest.h>

#include <fstream>
#include <thread>

#include "Plent/history/HistoryReader.h"
#include "Platform/dates/Clock.h"
#include "RunnerDirectory.h"

using namespace std::chrono_literals;
using History::RunRecord;

namespace {

constexpr auto OnePoll = 7s;

std::vector<RunRecord> runsOf(const RunnerDirectory& d, const QString& outcome = {})
{
    std::vector<RunRecord> runs;
    for (auto& run : History::HistoryReader::read(d.path("Pelmor.history").string()).runs) {
        if (outcome.isEmpty() || run.fields().value("outcome").toString() == outcome) runs.push_back(run);
    }
    return runs;
}

void stop(RunnerDirectory& d)
{
    d.runner().terminate();
    ASSERT_TRUE(d.runner().waitForFinished(15000));
    EXPECT_EQ(d.runner().exitCode(), 0) << d.standardError();
}

// A runner with its clock moved by the seconds in the directory's clock file.
class FaultRun : public ::testing::Test {
protected:
    FaultRun() { d.deliver(); }
    QProcessEnvironment withClock() const
    {
        QProcessEnvironment environment = d.environment();
        environment.insert("PELMOR_TEST_CLOCK", QString::fromStdString(clockFile().string()));
        return environment;
    }
    void setClock(long long seconds) const { std::ofstream(clockFile()) << seconds; }
    fs::path clockFile() const { return d.path("clock"); }

    RunnerDirectory d;
};

// Killed right after its k-th start, the runner has recorded every hand-out
// of the poll: the next runner starts none of them again and tells of the
// ones that were not started.
TEST_F(FaultRun, AKillAfterAnyStartOfAPollNeverRunsAnEventTwice)
{
    const std::vector<std::string> ids{"a", "b", "c", "d"};
    for (const int k : {1, 3}) {
        RunnerDirectory run;
        run.deliver();
        std::vector<std::shared_ptr<Plent::CPlent>> events;
        for (const auto& id : ids) events.push_back(dailyEvent(id, -1, run.countingMarker(id)));
        run.writeEvents(events);
        QProcessEnvironment environment = run.environment();
        environment.insert("PELMOR_TEST_STOP_AFTER_START", QString::number(k));
        run.start(environment);
        ASSERT_TRUE(run.runner().waitForFinished(20000));
        EXPECT_EQ(run.runner().exitCode(), 3);

        run.start();
        ASSERT_TRUE(waitUntil([&] { return runsOf(run).size() == ids.size(); }, 10s)) << run.standardError();
        std::this_thread::sleep_for(OnePoll);
        stop(run);
        int started = 0;
        for (const auto& id : ids) started += run.markerCount(id);
        EXPECT_EQ(started, k);
        const auto lost = runsOf(run, "not started");
        ASSERT_EQ(lost.size(), ids.size() - k);
        for (const auto& r : lost) EXPECT_EQ(r.reason(), "the runner ended before the start");
        EXPECT_EQ(runsOf(run).size(), ids.size()) << "one record per hand-out";
    }
}

// A 0-byte event file loads empty, but the runner keeps what it ran: when
// the file comes back, nothing of it runs a second time.
TEST_F(FaultRun, AnEmptiedAndRestoredFileRunsNothingTwice)
{
    auto once = dailyEvent("once", -1, d.countingMarker("once"));
    once->setRetryMode(Plent::RetryMode::Once);
    auto cleanup = dailyEvent("cleanup", -1, d.countingMarker("cleanup"));
    cleanup->setDeleteAfterDone(true);
    const std::vector<std::shared_ptr<Plent::CPlent>> events{once, cleanup, dailyEvent("daily", -1, d.countingMarker("daily"))};
    d.writeEvents(events);
    d.start();
    ASSERT_TRUE(d.waitForCount("daily", 1, 15s)) << d.standardError();
    stop(d);
    std::ofstream(d.path("Pelmor.dat"), std::ios::trunc).close();
    d.start();
    std::this_thread::sleep_for(OnePoll);
    stop(d);
    d.writeEvents(events);
    d.start();
    std::this_thread::sleep_for(OnePoll);
    stop(d);
    for (const char* id : {"once", "cleanup", "daily"}) EXPECT_EQ(d.markerCount(id), 1) << id;
}

// An event due again while its last run still runs is not started again;
// the history says so at each such hand-out.
TEST_F(FaultRun, AnEventStillRunningIsSkipped)
{
    setClock(0);
    auto slow = dailyEvent("slow", -1, "sh -c 'echo $$ >> \"" + d.path("markers/slow").string() + "\"; sleep 30'");
    slow->setRetryMode(Plent::RetryMode::Minutes);
    d.writeEvents({slow});
    d.start(withClock());
    ASSERT_TRUE(d.waitForCount("slow", 1, 15s)) << d.standardError();
    for (const long long minutes : {1, 2}) {
        setClock(minutes * 60);
        ASSERT_TRUE(waitUntil([&] { return runsOf(d, "skipped").size() == size_t(minutes); }, 10s)) << d.standardError();
    }
    stop(d);
    EXPECT_EQ(d.markerCount("slow"), 1);
    const auto skipped = runsOf(d, "skipped");
    EXPECT_EQ(skipped.front().reason().toStdString(), "still running (process " + std::to_string(d.markerPid("slow")) + ")");
}

// Without its table the event that needs it waits, recorded once; the
// others run, and so does it once the table is there.
TEST_F(FaultRun, AMissingTableHoldsOnlyTheEventThatNeedsIt)
{
    auto holiday = dailyEvent("holiday", -1, d.countingMarker("holiday"));
    holiday->Unless().setFromTable(true);
    d.writeEvents({holiday, dailyEvent("plain", -1, d.countingMarker("plain"))});
    d.start();
    ASSERT_TRUE(d.waitForCount("plain", 1, 15s)) << d.standardError();
    std::this_thread::sleep_for(OnePoll);
    const auto held = runsOf(d, "held");
    ASSERT_EQ(held.size(), 1u);
    EXPECT_NE(held.front().reason().indexOf(QString::fromStdString(d.path("Pelmor.tab").string())), -1)
        << held.front().reason().toStdString();
    EXPECT_EQ(d.markerCount("holiday"), 0);

    std::ofstream(d.path("Pelmor.tab")) << "01.01.2000\r\n";
    EXPECT_TRUE(d.waitForCount("holiday", 1, 10s)) << d.standardError();
    stop(d);
}

// An event without identifier never starts, never holds up the others, and
// is told once.
TEST_F(FaultRun, AnEventWithoutIdentifierIsToldOnceAndHoldsUpNothing)
{
    d.writeEvents({dailyEvent("", -1, d.countingMarker("unnamed")), dailyEvent("after", -1, d.countingMarker("after"))});
    d.start();
    ASSERT_TRUE(d.waitForCount("after", 1, 15s)) << d.standardError();
    std::this_thread::sleep_for(OnePoll);
    stop(d);
    EXPECT_EQ(d.markerCount("unnamed"), 0);
    const std::string told = "the event at position 1 of the event file has no identifier and is never started";
    const auto unnamed = runsOf(d, "not started");
    ASSERT_EQ(unnamed.size(), 1u);
    EXPECT_EQ(unnamed.front().reason().toStdString(), told);
    EXPECT_NE(d.standardError().find(told), std::string::npos) << d.standardError();
}

// Set back four hours, the clock shows times the event ran at long ago: an
// every-minute event goes on within a minute, not four hours later.
TEST_F(FaultRun, AnEveryMinuteEventGoesOnAfterTheClockWentBack)
{
    setClock(0);
    auto minutely = dailyEvent("minutely", 0, d.countingMarker("minutely"));
    minutely->setRetryMode(Plent::RetryMode::Minutes);
    const Platform::DateTime anchor = Platform::DateTime::fromDate(minutely->NextStart());
    d.writeEvents({minutely});
    d.start(withClock());
    ASSERT_TRUE(d.waitForCount("minutely", 1, 15s)) << d.standardError();
    // Back to seven seconds before a point of its grid, four hours ago: the
    // next poll finds it the first point ahead.
    const int64_t sinceAnchor = Platform::Clock::systemNow().seconds() - anchor.seconds();
    setClock(-4 * 3600 - sinceAnchor % 60 + 53);
    EXPECT_TRUE(d.waitForCount("minutely", 2, 15s)) << d.standardError();
    stop(d);
}

} // namespace
