#include <gtest/gtest.h>

#include "CtlFixtures.h"
#include "Platform/dates/Clock.h"

using namespace ctlfixtures;

namespace {

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

class EditCommands : public ::testing::Test {
protected:
    std::string file() const { return dir.file("e.dat"); }
    CtlRun add(std::vector<std::string> options)
    {
        std::vector<std::string> words{"add", file()};
        words.insert(words.end(), options.begin(), options.end());
        return ctl(words);
    }
    void givenBackup() { saveEvents(file(), {event("Backup", 4, 1, at(2036, 5, 1, 2))}); }
    TempDir dir;
};

// Each bad value, and what the editor would refuse, ends with status 2
// naming the option, and leaves the file as it was.
TEST_F(EditCommands, RefusesBadValuesNamingTheOptionAndLeavesTheFile)
{
    givenBackup();
    const std::string before = readFile(file());
    const std::vector<std::string> start{"--command", "run", "--at", "2036-05-01 02:00"};
    const std::pair<std::vector<std::string>, const char*> cases[] = {
        {{"--id", "backup"}, "--id"},                       // already there, in another letter case
        {{"--id", "   "}, "--id"},                          // blank
        {{"--id", "x", "--at", "2036-02-30 02:00"}, "--at"}, // no such day
        {{"--id", "x", "--every", "0", "days"}, "--every"},
        {{"--id", "x", "--every", "2", "fortnights"}, "--every"},
        {{"--id", "x", "--every", "1", "day", "--once"}, "--every"},
        {{"--id", "x", "--every", "1", "hour", "--from", "2500"}, "--from"},
        {{"--id", "x", "--every", "1", "day", "--from", "0800"}, "--from"},
        {{"--id", "x", "--every", "1", "day", "--except", "last"}, "--except"},
        {{"--id", "x", "--every", "1", "day", "--except", "mon,tue,wed,thu,fri,sat,sun"}, "--except"},
        {{"--id", "x", "--every", "1", "day", "--except", "40"}, "--except"},
        {{"--id", "x", "--except", "mon"}, "--except"},
        {{"--id", "x", "--late", "skip"}, "--late"},
        {{"--id", "x", "--delay", "5", "--late", "later"}, "--late"},
        {{"--id", "x", "--delay", "-1"}, "--delay"},
        {{"--id", "x", "--every", "1", "day", "--delete-after-done"}, "--delete-after-done"},
        {{"--id", "x", "--move-to-next-day"}, "--move-to-next-day"},
        {{"--id", "x", "--description", "\xE2\x82\xAC ok, \xE4\xB8\x80 not"}, "--description"},
    };
    for (const auto& [options, named] : cases) {
        std::vector<std::string> words = start;
        words.insert(words.end(), options.begin(), options.end());
        const CtlRun run = add(words);
        EXPECT_EQ(run.status, 2) << named << ": " << run.err;
        EXPECT_TRUE(contains(run.err, named)) << run.err;
        EXPECT_EQ(readFile(file()), before) << named;
    }
    EXPECT_EQ(ctl({"stop", file(), "nothing"}).status, 2);
    EXPECT_EQ(ctl({"remove", file(), "nothing"}).status, 2);
    EXPECT_EQ(readFile(file()), before);
}

// The event is made as the editor makes it: a first start in the past
// moves to its next start after now, and export shows every value given.
// Importing the export gives the same bytes.
TEST_F(EditCommands, AddsAnEventAsTheEditorDoesAndRoundTripsThroughExport)
{
    givenBackup();
    const CtlRun run = add({"--id", "mail", "--command", "fetchmail -v", "--description", "Mail", "--at",
                            "2020-01-06 08:00", "--every", "15", "minutes", "--from", "0800", "--to", "17:30",
                            "--except", "sat,sun,1,31,last", "--delay", "10", "--late", "alarm"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(contains(run.out, "mail")) << run.out;
    EXPECT_TRUE(contains(run.out, "every 15 minutes")) << run.out;

    const CtlRun exported = ctl({"export", file()});
    for (const char* field : {R"("Delay": 10)", R"("DelayMode": 2)", R"("From": 800)", R"("To": 1730)",
                              R"("Parameter": "fetchmail -v")", R"("RetryMode": 2)",
                              R"("Retry": 15)", R"("WeekDay": 7)", R"("WeekDay": 1)", R"("Day": 32)"})
        EXPECT_TRUE(contains(exported.out, field)) << field << "\n" << exported.out;
    Plent::Schedule schedule = Ctl::EventStore::newSchedule();
    std::ostringstream err;
    Ctl::EventStore::load(schedule, file(), err);
    const auto mail = schedule.Events().Item("mail");
    ASSERT_TRUE(mail);
    EXPECT_GT(mail->NextStart(), Platform::Clock::now().toDate());
    EXPECT_EQ(schedule.Events().Count(), 2);

    ASSERT_EQ(ctl({"import", "-", dir.file("copy.dat")}, exported.out).status, 0);
    EXPECT_EQ(readFile(dir.file("copy.dat")), readFile(file()));
}

TEST_F(EditCommands, StopsLetsGoAndRemovesOneEventEach)
{
    givenBackup();
    EXPECT_EQ(add({"--id", "once", "--command", "true", "--each-start", "--delete-after-done"}).status, 0);
    const auto statusOf = [&] { return ctl({"list", file(), "--tsv"}).out; };
    EXPECT_TRUE(contains(ctl({"stop", file(), "backup"}).out, "stopped"));
    EXPECT_TRUE(contains(statusOf(), "\t4\t4\t1\t"));
    EXPECT_TRUE(contains(ctl({"go", file(), "BACKUP"}).out, "still open"));
    EXPECT_TRUE(contains(statusOf(), "\t0\t4\t1\t"));
    EXPECT_EQ(ctl({"remove", file(), "backup"}).status, 0);
    EXPECT_FALSE(contains(statusOf(), "Backup"));
    EXPECT_TRUE(contains(statusOf(), "once\t"));
}

// A file the engine reads only in part would lose the rest when written.
TEST_F(EditCommands, NeverWritesAFileItCouldNotReadCompletely)
{
    givenBackup();
    std::string bytes = readFile(file());
    bytes.resize(bytes.size() - 3);
    writeFile(file(), bytes);
    EXPECT_NE(ctl({"stop", file(), "backup"}).status, 0);
    EXPECT_EQ(readFile(file()), bytes);
}

} // namespace
