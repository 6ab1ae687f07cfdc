#include <gtest/gtest.h>

#include "CtlFixtures.h"

using namespace ctlfixtures;

namespace {

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

std::string lines(std::initializer_list<const char*> texts)
{
    std::string out;
    for (const char* t : texts) out += std::string(t) + "\n";
    return out;
}

class NextCommand : public ::testing::Test {
protected:
    std::string file() const { return dir.file("e.dat"); }
    CtlRun next(const std::string& identifier, std::vector<std::string> options)
    {
        std::vector<std::string> words{"next", file(), identifier};
        words.insert(words.end(), options.begin(), options.end());
        return ctl(words);
    }
    TempDir dir;
};

} // namespace

TEST_F(NextCommand, MovesAStartInThePastBeyondTheGivenTimeOnTheEventsGrid)
{
    auto quarter = event("Quarter", 2, 15, at(2026, 3, 7, 10));
    quarter->setRegularStart(at(2026, 3, 7, 10).toDate());
    saveEvents(file(), {quarter});
    const CtlRun run = next("quarter", {"--at", "2026-03-07 10:50", "--count", "3"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, lines({"2026-03-07 11:00:00", "2026-03-07 11:15:00", "2026-03-07 11:30:00"}));
}

TEST_F(NextCommand, FollowsTheUnlessRuleAndTheDailyTimeWindow)
{
    // Weekly on Sundays, which the rule excludes: moved to Monday, while the
    // grid stays on Sundays.
    auto weekly = event("Weekly", 5, 1, at(2026, 3, 1, 9));
    weekly->setMoveToNextDay(true);
    addWeekDays(weekly->Unless(), {1});
    // Every four hours, but only from 08:00 to 17:00.
    auto hours = event("Hours", 3, 4, at(2026, 3, 7, 8));
    hours->setFrom(800);
    hours->setTo(1700);
    saveEvents(file(), {weekly, hours});

    EXPECT_EQ(next("Weekly", {"--at", "2026-02-28 00:00", "--count", "4"}).out,
              lines({"2026-03-02 09:00:00", "2026-03-09 09:00:00", "2026-03-16 09:00:00", "2026-03-23 09:00:00"}));
    EXPECT_EQ(next("Hours", {"--at", "2026-03-07 07:00:00"}).out,
              lines({"2026-03-07 08:00:00", "2026-03-07 12:00:00", "2026-03-07 16:00:00", "2026-03-08 08:00:00",
                     "2026-03-08 12:00:00"}));
}

TEST_F(NextCommand, ReadsTheTableWhenTheRuleAsksForIt)
{
    auto daily = event("Daily", 4, 1, at(2020, 3, 2, 9));
    daily->Unless().setFromTable(true);
    saveEvents(file(), {daily});
    writeFile(dir.file("t.tab"), "2020-03-03 Feiertag\r\n\r\n2020-03-05\r\n");

    const CtlRun run = next("Daily", {"--at", "2020-03-01 12:00", "--count", "4", "--table", dir.file("t.tab")});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, lines({"2020-03-02 09:00:00", "2020-03-04 09:00:00", "2020-03-06 09:00:00", "2020-03-07 09:00:00"}));

    const CtlRun noTable = next("Daily", {"--at", "2020-03-01 12:00"});
    EXPECT_EQ(noTable.status, 1);
    EXPECT_TRUE(contains(noTable.err, "pelmorctl: Unexpected error - CPlentEngine::UnlessFromTable\n")) << noTable.err;
    EXPECT_TRUE(contains(noTable.err, "CPlentEngine::UnlessFromTable)\nThe unless rule of an event reads the table"))
        << noTable.err;
}

TEST_F(NextCommand, StopsWhereTheEngineWouldNotStartTheEventAgain)
{
    auto once = event("Once", 1, 0, at(2026, 3, 1, 9));
    auto done = event("Done", 1, 0, at(2026, 3, 1, 9));
    done->setFinished(true);
    auto deleted = event("Deleted", 4, 1, at(2026, 3, 10, 9));
    deleted->setDeleteAfterDone(true);
    auto boot = event("Boot", 0, 0, at(1899, 12, 30));
    boot->setFinished(true);
    auto stopped = event("Stopped", 4, 1, at(2026, 3, 10, 9));
    stopped->setStatus(4);
    saveEvents(file(), {once, done, deleted, boot, stopped});
    const std::vector<std::string> at{"--at", "2026-03-05 00:00"};

    // A once-only start in the past is not moved: the engine hands it out at once.
    EXPECT_EQ(next("Once", at).out, lines({"2026-03-01 09:00:00"}));
    EXPECT_EQ(next("Deleted", at).out, lines({"2026-03-10 09:00:00"}));

    const CtlRun finished = next("Done", at);
    EXPECT_EQ(finished.status, 0);
    EXPECT_EQ(finished.out, "");
    EXPECT_EQ(finished.err, "pelmorctl: 'Done' will not start again\n");

    const CtlRun perRun = next("boot", at);
    EXPECT_EQ(perRun.status, 0);
    EXPECT_EQ(perRun.out, "once per program run\n");
    EXPECT_EQ(perRun.err, "");

    const CtlRun halted = next("Stopped", at);
    EXPECT_EQ(halted.status, 0);
    EXPECT_EQ(halted.out, "");
    EXPECT_EQ(halted.err, "pelmorctl: 'Stopped' is stopped and will not start until it is resumed\n");
}

TEST_F(NextCommand, RefusesUnknownEventsAndBadOptions)
{
    saveEvents(file(), {event("Daily", 4, 1, at(2026, 3, 2, 9))});
    const CtlRun unknown = next("Weekly", {});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_EQ(unknown.err, "pelmorctl next: '" + file() + "' has no event 'Weekly'\n");

    for (const char* count : {"0", "-1", "x", "3x", "100001", ""}) {
        const CtlRun run = next("Daily", {"--count", count});
        EXPECT_EQ(run.status, 2) << count;
        EXPECT_TRUE(contains(run.err, "--count: '" + std::string(count) + "' is no whole number")) << run.err;
    }
    EXPECT_EQ(next("Daily", {"--count", "100000", "--at", "2026-03-01 00:00"}).status, 0);

    const CtlRun badAt = next("Daily", {"--at", "2026-03-01"});
    EXPECT_EQ(badAt.status, 2);
    EXPECT_TRUE(contains(badAt.err, "--at: '2026-03-01' is no date and time")) << badAt.err;
    EXPECT_EQ(badAt.out, "");

    const CtlRun missing = ctl({"next", dir.file("none.dat"), "Daily"});
    EXPECT_EQ(missing.status, 1);
}
