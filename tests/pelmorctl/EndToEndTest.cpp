#include <gtest/gtest.h>

#include <sys/wait.h>

#include "CtlFixtures.h"

using namespace ctlfixtures;

namespace {

// Runs the program through the shell with the given arguments (already
// quoted where needed); standard input from `in` unless empty.
CtlRun program(const TempDir& dir, const std::string& arguments, const std::string& in = "")
{
    const std::string command = std::string(PELMORCTL_PROGRAM) + " " + arguments
        + (in.empty() ? "" : " < " + in) + " > " + dir.file("out") + " 2> " + dir.file("err");
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, readFile(dir.file("out")), readFile(dir.file("err"))};
}

} // namespace

TEST(Program, ExportsAndImportsThroughItsStandardStreams)
{
    TempDir dir;
    auto daily = event("Backup", 4, 1, at(2026, 3, 7, 9));
    daily->setDescription("Sicherung über Nacht");
    addMonthDays(daily->Unless(), 0, {32});
    addWeekDays(daily->Unless(), {1, 7});
    saveEvents(dir.file("e.dat"), {daily});

    const CtlRun exported = program(dir, "export " + dir.file("e.dat"));
    ASSERT_EQ(exported.status, 0) << exported.err;
    writeFile(dir.file("e.json"), exported.out);
    const CtlRun imported = program(dir, "import - " + dir.file("again.dat"), dir.file("e.json"));
    ASSERT_EQ(imported.status, 0) << imported.err;
    EXPECT_EQ(readFile(dir.file("again.dat")), readFile(dir.file("e.dat")));

    const CtlRun simulated =
        program(dir, "simulate " + dir.file("e.dat") + " --from '2026-03-07 08:59:58' --to '2026-03-08 09:00'");
    EXPECT_EQ(simulated.status, 0) << simulated.err;
    EXPECT_EQ(simulated.out, "2026-03-07 09:00:03\tBackup\t0\n--\n"
                             "Backup\t2026-03-09 09:00:00\t2026-03-07 09:00:03\t1\t4\t1\t0\tSicherung über Nacht\t\n");
}

TEST(Program, EndsWithTheStatusOfItsFailures)
{
    TempDir dir;
    const CtlRun missing = program(dir, "list " + dir.file("none.dat"));
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.out, "");
    EXPECT_TRUE(missing.err.starts_with("pelmorctl list: cannot read '" + dir.file("none.dat") + "'")) << missing.err;

    const CtlRun usage = program(dir, "");
    EXPECT_EQ(usage.status, 2);
    EXPECT_TRUE(usage.err.starts_with("usage: pelmorctl COMMAND")) << usage.err;
    EXPECT_EQ(program(dir, "--help").status, 0);
}
