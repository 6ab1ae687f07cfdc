#include <gtest/gtest.h>

#include "CtlFixtures.h"
#include "support/ScopedTimeZone.h"
#include "pelmorctl/Simulation.h"

using namespace ctlfixtures;

namespace {

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

std::string lines(std::initializer_list<const char*> texts)
{
    std::string out;
    for (const char* t : texts) out += std::string(t) + "\n";
    return out;
}

// Events found late at the first poll, once-per-start events, a deletion after
// done, and events that never come: the runner's whole rule book.
std::vector<std::shared_ptr<Plent::CPlent>> mixedEvents()
{
    auto skip = event("late-skip", 4, 1, at(2026, 3, 1, 9));
    skip->setDelay(30);
    skip->setDelayMode(1);
    auto alarm = event("late-alarm", 3, 6, at(2026, 3, 2, 1));
    alarm->setDelay(60);
    alarm->setDelayMode(2);
    auto plain = event("late-plain", 1, 0, at(2026, 3, 2, 7, 58));
    plain->setDelay(5);
    plain->setDelayMode(1);
    auto boot = event("boot", 0, 0, at(1899, 12, 30));
    boot->setFinished(true);
    auto bootStopped = event("boot-stopped", 0, 0, at(1899, 12, 30));
    bootStopped->setFinished(true);
    bootStopped->setStatus(4);
    auto gone = event("gone", 2, 30, at(2026, 3, 3, 10, 0, 3));
    gone->setDeleteAfterDone(true);
    auto stopped = event("stopped", 4, 1, at(2026, 3, 2, 10));
    stopped->setStatus(4);
    auto finished = event("finished", 4, 1, at(2026, 3, 2, 10));
    finished->setFinished(true);
    return {skip, alarm, plain, boot, bootStopped, gone, stopped, finished};
}

} // namespace

TEST(SimulateCommand, HandsOutWhatTheRunnerWouldAndShowsTheFinalState)
{
    TempDir dir;
    saveEvents(dir.file("e.dat"), mixedEvents());
    const std::string before = readFile(dir.file("e.dat"));
    const CtlRun run = ctl({"simulate", dir.file("e.dat"), "--from", "2026-03-02 08:00", "--to", "2026-03-04 12:00:00"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, lines({
                           // Once-per-start events first, then the due events in list order: one
                           // seen as done (found more than 30 minutes late), one handed out with
                           // the alarm (more than 60 minutes late), one found within its delay.
                           "2026-03-02 08:00:00\tboot\t0",
                           "2026-03-02 08:00:00\tlate-alarm\t1",
                           "2026-03-02 08:00:00\tlate-plain\t0",
                           "2026-03-02 09:00:00\tlate-skip\t0",
                           "2026-03-02 13:00:00\tlate-alarm\t0",
                           "2026-03-02 19:00:00\tlate-alarm\t0",
                           "2026-03-03 01:00:00\tlate-alarm\t0",
                           "2026-03-03 07:00:00\tlate-alarm\t0",
                           "2026-03-03 09:00:00\tlate-skip\t0",
                           // Due at 10:00:03, found by the poll at 10:00:05, then removed.
                           "2026-03-03 10:00:05\tgone\t0",
                           "2026-03-03 13:00:00\tlate-alarm\t0",
                           "2026-03-03 19:00:00\tlate-alarm\t0",
                           "2026-03-04 01:00:00\tlate-alarm\t0",
                           "2026-03-04 07:00:00\tlate-alarm\t0",
                           "2026-03-04 09:00:00\tlate-skip\t0",
                           "--",
                           "late-skip\t2026-03-05 09:00:00\t2026-03-04 09:00:00\t1\t4\t1\t0\t\t",
                           "late-alarm\t2026-03-04 13:00:00\t2026-03-04 07:00:00\t1\t3\t6\t0\t\t",
                           "late-plain\t2026-03-02 07:58:00\t2026-03-02 08:00:00\t1\t1\t0\t1\t\t",
                           "boot\t1899-12-30 00:00:00\t2026-03-02 08:00:00\t1\t0\t0\t1\t\t",
                           "boot-stopped\t1899-12-30 00:00:00\t1899-12-30 00:00:00\t4\t0\t0\t0\t\t",
                           "stopped\t2026-03-02 10:00:00\t1899-12-30 00:00:00\t4\t4\t1\t0\t\t",
                           "finished\t2026-03-02 10:00:00\t1899-12-30 00:00:00\t0\t4\t1\t1\t\t",
                       }));
    EXPECT_EQ(readFile(dir.file("e.dat")), before);
}

TEST(SimulateCommand, ReadsTheTableWithTodayBeingTheVirtualDate)
{
    TempDir dir;
    auto daily = event("daily", 4, 1, at(2020, 3, 2, 9));
    daily->Unless().setFromTable(true);
    saveEvents(dir.file("e.dat"), {daily});
    // Both dates lie long before the real today; only the virtual today keeps them.
    writeFile(dir.file("t.tab"), "2020-03-03 Feiertag\r\n2020-03-05\r\n");
    const CtlRun run = ctl({"simulate", dir.file("e.dat"), "--from", "2020-03-02 00:00", "--to", "2020-03-07 09:00",
                            "--table", dir.file("t.tab")});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, lines({"2020-03-02 09:00:00\tdaily\t0", "2020-03-04 09:00:00\tdaily\t0",
                              "2020-03-06 09:00:00\tdaily\t0", "2020-03-07 09:00:00\tdaily\t0", "--",
                              "daily\t2020-03-08 09:00:00\t2020-03-07 09:00:00\t1\t4\t1\t0\t\t"}));
}

TEST(SimulateCommand, RefusesBadPeriodsAndReportsTheEnginesFailures)
{
    TempDir dir;
    auto daily = event("daily", 4, 1, at(2020, 3, 2, 9));
    daily->Unless().setFromTable(true);
    saveEvents(dir.file("e.dat"), {daily});
    const std::string file = dir.file("e.dat");

    EXPECT_EQ(ctl({"simulate", file, "--to", "2020-03-02 00:00"}).err, "pelmorctl simulate: missing --from TIME\n");
    EXPECT_EQ(ctl({"simulate", file, "--from", "2020-03-02 00:00"}).status, 2);
    const CtlRun backwards = ctl({"simulate", file, "--from", "2020-03-02 00:00", "--to", "2020-03-01 23:59:59"});
    EXPECT_EQ(backwards.status, 2);
    EXPECT_EQ(backwards.err, "pelmorctl simulate: --to lies before --from\n");
    EXPECT_EQ(ctl({"simulate", file, "--from", "2020-03-02 25:00", "--to", "2020-03-03 00:00"}).status, 2);

    // The rule needs the table, and none was given: the hand-out fails
    // while it computes the next start, as it would in the runner.
    for (const std::string& table : {std::string(), dir.file("none.tab")}) {
        std::vector<std::string> words{"simulate", file, "--from", "2020-03-02 00:00", "--to", "2020-03-03 00:00"};
        if (!table.empty()) words.insert(words.end(), {"--table", table});
        const CtlRun failed = ctl(words);
        EXPECT_EQ(failed.status, 1);
        EXPECT_EQ(failed.out, "");
        EXPECT_TRUE(failed.err.starts_with("pelmorctl: Unexpected error - CPlentEngine::UnlessFromTable\n"))
            << failed.err;
        EXPECT_TRUE(contains(failed.err, "CPlentEngine::UnlessFromTable)\n")) << failed.err;
    }

    // A single poll: --from and --to alike.
    writeFile(dir.file("empty.tab"), "");
    const CtlRun single = ctl({"simulate", file, "--from", "2020-03-02 09:00", "--to", "2020-03-02 09:00", "--table",
                               dir.file("empty.tab")});
    EXPECT_EQ(single.status, 0) << single.err;
    EXPECT_TRUE(single.out.starts_with("2020-03-02 09:00:00\tdaily\t0\n--\n")) << single.out;
}

// The runner's clock runs on real seconds and shows local time: on 28 March
// 2027 Berlin's clocks go from 01:59:59 to 03:00:00, on 31 October 2027 from
// 02:59:59 back to 02:00:00. Berlin's rules are given as a POSIX zone, so the
// tests need no time zone database.
TEST(SimulateCommand, TheSkippedHourOfSpringHandsOutNothingAndItsStartsAtTheJump)
{
    ScopedTimeZone zone("CET-1CEST,M3.5.0,M10.5.0/3");
    TempDir dir;
    auto nightly = event("nightly", 4, 1, at(2027, 3, 28, 2, 30));
    nightly->setDelay(15);
    nightly->setDelayMode(1);
    saveEvents(dir.file("e.dat"), {event("hourly", 3, 1, at(2027, 3, 27, 22)), nightly});
    const CtlRun run = ctl({"simulate", dir.file("e.dat"), "--from", "2027-03-27 22:00", "--to", "2027-03-28 05:00"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, lines({"2027-03-27 22:00:00\thourly\t0", "2027-03-27 23:00:00\thourly\t0",
                              "2027-03-28 00:00:00\thourly\t0", "2027-03-28 01:00:00\thourly\t0",
                              // Both were due in the hour that does not exist, neither is late.
                              "2027-03-28 03:00:00\thourly\t0", "2027-03-28 03:00:00\tnightly\t0",
                              "2027-03-28 04:00:00\thourly\t0", "2027-03-28 05:00:00\thourly\t0", "--",
                              "hourly\t2027-03-28 06:00:00\t2027-03-28 05:00:00\t1\t3\t1\t0\t\t",
                              "nightly\t2027-03-29 02:30:00\t2027-03-28 03:00:00\t1\t4\t1\t0\t\t"}));
}

// In the repeated hour the wall clock shows times already passed. An event
// every few minutes runs in both passes, from the moment the clock went
// back; an hourly one runs on at its next start, one step after the jump.
TEST(SimulateCommand, TheRepeatedHourOfAutumnRunsFrequentEventsInBothPasses)
{
    ScopedTimeZone zone("CET-1CEST,M3.5.0,M10.5.0/3");
    TempDir dir;
    saveEvents(dir.file("e.dat"), {event("hourly", 3, 1, at(2027, 10, 31, 1)), event("quarter", 2, 15, at(2027, 10, 31, 2, 30))});
    const CtlRun run = ctl({"simulate", dir.file("e.dat"), "--from", "2027-10-31 01:00", "--to", "2027-10-31 03:15"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, lines({"2027-10-31 01:00:00\thourly\t0", "2027-10-31 02:00:00\thourly\t0",
                              "2027-10-31 02:30:00\tquarter\t0", "2027-10-31 02:45:00\tquarter\t0",
                              // The second pass.
                              "2027-10-31 02:00:00\tquarter\t0", "2027-10-31 02:15:00\tquarter\t0",
                              "2027-10-31 02:30:00\tquarter\t0", "2027-10-31 02:45:00\tquarter\t0",
                              "2027-10-31 03:00:00\thourly\t0", "2027-10-31 03:00:00\tquarter\t0",
                              "2027-10-31 03:15:00\tquarter\t0", "--",
                              "hourly\t2027-10-31 04:00:00\t2027-10-31 03:00:00\t1\t3\t1\t0\t\t",
                              "quarter\t2027-10-31 03:30:00\t2027-10-31 03:15:00\t1\t2\t15\t0\t\t"}));
}

TEST(Simulation, SkipsThePollsAtWhichNothingCanHappen)
{
    Plent::Schedule engine = Ctl::EventStore::newSchedule();
    engine.Events().Add(event("daily", 4, 1, at(2026, 1, 1, 9)), "daily");
    auto late = event("late", 4, 1, at(2025, 12, 31, 23, 50));
    late->setDelay(30);
    late->setDelayMode(1);
    engine.Events().Add(late, "late");
    Ctl::Simulation simulation(engine, Ctl::PollGrid(real(at(2026, 1, 1)), real(at(2026, 12, 31, 23, 59, 59))));
    int handOuts = 0;
    simulation.run([&](Platform::DateTime, const std::string&, bool) { ++handOuts; });
    // "late" is found within its delay window at the first poll: handed out plainly.
    EXPECT_EQ(handOuts, 365 + 366);
    // One poll at the start, one per distinct start time, and a few spent on
    // moments that are not whole seconds away from a poll.
    EXPECT_LE(simulation.pollsMade(), 3 * 365);
}

TEST(Simulation, LooksAheadToTheNextStartAndTheEndOfTheDelayWindow)
{
    Plent::colPlents events;
    auto soon = event("soon", 4, 1, at(2026, 1, 1, 9));
    auto inWindow = event("in-window", 1, 0, at(2026, 1, 1, 7, 55));
    inWindow->setDelay(10);
    auto stopped = event("stopped", 4, 1, at(2026, 1, 1, 8, 30));
    stopped->setStatus(4);
    auto finished = event("finished", 4, 1, at(2026, 1, 1, 8, 30));
    finished->setFinished(true);
    for (const auto& e : {soon, inWindow, stopped, finished}) events.Add(e, e->Identifier());

    EXPECT_EQ(Ctl::Simulation::earliestChange(events, at(2026, 1, 1, 8)), at(2026, 1, 1, 8, 4, 59));
    // A moment is taken as passed a second after it.
    EXPECT_EQ(Ctl::Simulation::earliestChange(events, at(2026, 1, 1, 8, 5)), at(2026, 1, 1, 8, 4, 59));
    EXPECT_EQ(Ctl::Simulation::earliestChange(events, at(2026, 1, 1, 8, 5, 1)), at(2026, 1, 1, 8, 59, 59));
    EXPECT_FALSE(Ctl::Simulation::earliestChange(events, at(2026, 1, 1, 9, 0, 1)));
}

TEST(Simulation, OrdersStoredDatesBefore1899ByTheirTime)
{
    // -1.25 is 1899-12-29 06:00 and -1.75 is 18:00 of the same day.
    Plent::colPlents events;
    for (const auto& [identifier, date] : {std::pair{"morning", -1.25}, std::pair{"evening", -1.75}}) {
        auto e = event(identifier, 4, 1, at(1899, 12, 30));
        e->setNextStart(date);
        events.Add(e, identifier);
    }
    EXPECT_EQ(Ctl::Simulation::earliestChange(events, at(1899, 12, 29, 0)), at(1899, 12, 29, 5, 59, 59));
    EXPECT_EQ(Ctl::Simulation::earliestChange(events, at(1899, 12, 29, 12)), at(1899, 12, 29, 17, 59, 59));
}
