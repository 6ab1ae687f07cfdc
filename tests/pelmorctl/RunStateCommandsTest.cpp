// The commands that show events show them as the runner sees them, with the
// run state beside the file merged in, unless told --no-state; they never
// change the state file.
#include <gtest/gtest.h>

#include "CtlFixtures.h"
#include "Plent/runstate/EventDefinition.h"
#include "Plent/runstate/RunStateFile.h"

using namespace ctlfixtures;

namespace {

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

class RunStateCommands : public ::testing::Test {
protected:
    // Daily at 09:00 from 2026-05-01; the runner ran it on 2026-05-03 and
    // deleted Cleanup after it was done.
    void SetUp() override
    {
        auto backup = event("Backup", Plent::RetryMode::Days, 1, at(2026, 5, 1, 9));
        auto cleanup = event("Cleanup", Plent::RetryMode::Once, 0, at(2026, 5, 1, 8));
        saveEvents(file(), {backup, cleanup});
        const Plent::RunFields base = Plent::RunFields::of(*backup);
        const Plent::RunFields run{at(2026, 5, 4, 9).toDate(), at(2026, 5, 4, 9).toDate(), at(2026, 5, 3, 9).toDate(),
                                   Plent::Status::Done, false};
        Plent::RunState state;
        state.set({"Backup", base, run, {}});
        state.set({"Cleanup", Plent::RunFields::of(*cleanup), std::nullopt, Plent::EventDefinition::fingerprint(*cleanup)});
        Plent::RunStateFile::write(state, stateFile());
    }
    std::string file() const { return dir.file("Pelmor.dat"); }
    std::string stateFile() const { return dir.file("Pelmor.state"); }

    TempDir dir;
};

TEST_F(RunStateCommands, ListShowsWhatTheRunnerRanUnlessToldNoState)
{
    const CtlRun merged = ctl({"list", file(), "--tsv"});
    EXPECT_EQ(merged.status, 0) << merged.err;
    EXPECT_EQ(merged.out, "Backup\t2026-05-04 09:00:00\t2026-05-03 09:00:00\t1\t4\t1\t0\t\t\n");

    const CtlRun alone = ctl({"list", file(), "--tsv", "--no-state"});
    EXPECT_TRUE(contains(alone.out, "Backup\t2026-05-01 09:00:00\t1899-12-30 00:00:00\t0")) << alone.out;
    EXPECT_TRUE(contains(alone.out, "Cleanup")) << alone.out;
}

TEST_F(RunStateCommands, ExportAndNextStartFromTheMergedEvents)
{
    EXPECT_TRUE(contains(ctl({"export", file()}).out, "\"LastStart\": \"2026-05-03T09:00:00\""));
    EXPECT_TRUE(contains(ctl({"export", file(), "--no-state"}).out, "\"Identifier\": \"Cleanup\""));
    const CtlRun next = ctl({"next", file(), "backup", "--count", "1", "--at", "2026-05-01 10:00"});
    EXPECT_EQ(next.out, "2026-05-04 09:00:00\n") << next.err;
}

TEST_F(RunStateCommands, AStateThatCannotBeReadIsLeftOutAndLeftAlone)
{
    writeFile(stateFile(), "{ broken");
    const CtlRun run = ctl({"list", file(), "--tsv"});
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(contains(run.err, "run state is left out")) << run.err;
    EXPECT_TRUE(contains(run.out, "Cleanup"));
    EXPECT_EQ(readFile(stateFile()), "{ broken");
}

} // namespace
