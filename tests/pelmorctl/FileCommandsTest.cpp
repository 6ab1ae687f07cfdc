#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <bit>
#include <limits>

#include "CtlFixtures.h"
#include "support/NamedPipe.h"

using namespace ctlfixtures;
using Plent::CPlent;

namespace {

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// The header of the event file alone: a file without events.
const std::string EmptyEventFile = std::string("\x39\x28\x0C\x00" "CPlentEngine\x00\x00" "\x39\x28\x09\x00" "colPlents\x00\x00", 33);

// Control characters, and a byte Windows-1252 leaves undefined (U+0081).
const std::string OddText = std::string("nul\0byte", 8) + " \x01 and the undefined \xC2\x81";

// Three events that hold every kind of unless entry, dates of every form and
// texts beyond ASCII.
std::vector<std::shared_ptr<CPlent>> richEvents()
{
    auto daily = event("Backup", 4, 1, at(2026, 3, 7, 9, 0));
    daily->setDescription("Sicherung über Nacht – „täglich“");
    daily->setParameter("C:\\bin\\backup.exe /all\t\"x\"");
    daily->setLastStart(at(2026, 3, 6, 9, 0, 0).toDate() + 0.3 / 86400);
    daily->setRegularStart(at(2026, 3, 6, 9, 0).toDate());
    daily->setMoveToNextDay(true);
    daily->setDeleteAfterDone(true);
    daily->setStatus(3);
    daily->setDelay(10);
    daily->setDelayMode(2);
    daily->Unless().setFromTable(true);
    addMonthDays(daily->Unless(), 0, {1, 15, 32});
    addMonthDays(daily->Unless(), 2, {32});
    addMonthDays(daily->Unless(), 4, {31});
    addMonthDays(daily->Unless(), 12, {24, 25, 26});
    addWeekDays(daily->Unless(), {2, 7, 1});

    auto odd = event("", 9, -3, at(1900, 1, 1));
    odd->setNextStart(std::numeric_limits<double>::quiet_NaN());
    odd->setLastStart(-0.0);
    odd->setRegularStart(-700000.5);
    odd->setStatus(-32768);
    odd->setFrom(2200);
    odd->setTo(600);
    odd->setFinished(true);
    odd->setDescription(OddText);
    auto month = std::make_shared<Plent::CMonth>();
    month->setMonth(5);
    auto day = std::make_shared<Plent::CDay>();
    day->setDay(0);
    month->Days().Add(day, "07");
    odd->Unless().Months().Add(month, "May");

    auto minutes = event("every-15", 2, 15, at(2026, 3, 7, 8, 0));
    minutes->setFrom(800);
    minutes->setTo(1700);
    return {daily, odd, minutes};
}

} // namespace

TEST(ListCommand, ShowsTheEventsAsATableForPeople)
{
    TempDir dir;
    saveEvents(dir.file("e.dat"), {event("Backup", 4, 1, at(2026, 3, 7, 9)), event("Ümlaut", 2, 15, at(2026, 3, 7, 8))});
    const CtlRun run = ctl({"list", dir.file("e.dat")});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out,
              "Identifier  Next start           Last start  Status      Repetition        Finished  Description\n"
              "Backup      2026-03-07 09:00:00  never       still open  every 1 day       no\n"
              "Ümlaut      2026-03-07 08:00:00  never       still open  every 15 minutes  no\n");
}

TEST(ListCommand, WritesTabSeparatedLinesAndNothingElse)
{
    TempDir dir;
    saveEvents(dir.file("e.dat"), richEvents());
    const CtlRun run = ctl({"list", "--tsv", dir.file("e.dat")});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "Backup\t2026-03-07 09:00:00\t2026-03-06 09:00:00\t3\t4\t1\t0\tSicherung über Nacht – „täglich“\t"
                       "C:\\\\bin\\\\backup.exe /all\\t\"x\"\n"
                       "\t1899-12-30 00:00:00\t1899-12-30 00:00:00\t-32768\t9\t-3\t1\t"
                       + OddText + "\t\n"
                       "every-15\t2026-03-07 08:00:00\t1899-12-30 00:00:00\t0\t2\t15\t0\t\t\n");
}

TEST(ListCommand, ReportsFilesItCannotReadAndGoesOnAfterTheEnginesMessages)
{
    TempDir dir;
    const CtlRun missing = ctl({"list", dir.file("none.dat")});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.out, "");
    EXPECT_TRUE(contains(missing.err, "cannot read '" + dir.file("none.dat") + "'")) << missing.err;
    EXPECT_TRUE(contains(missing.err, "error 53")) << missing.err;

    const CtlRun directory = ctl({"list", dir.file("")});
    EXPECT_EQ(directory.status, 1);
    EXPECT_TRUE(contains(directory.err, "it is a directory")) << directory.err;

    // The events section where the file header belongs: the engine announces
    // it, loads nothing, and the command shows what there is.
    writeFile(dir.file("bad.dat"), EmptyEventFile.substr(18));
    const CtlRun bad = ctl({"list", "--tsv", dir.file("bad.dat")});
    EXPECT_EQ(bad.status, 0);
    EXPECT_EQ(bad.out, "");
    EXPECT_EQ(bad.err, "pelmorctl: Unexpected header in CPlentEngine\n");
}

// A file cut short would give changed events; a named pipe would hold the
// command for ever. Both end it with status 1.
TEST(ListCommand, RefusesFilesCutShortAndFilesThatAreNotRegular)
{
    TempDir dir;
    saveEvents(dir.file("e.dat"), richEvents());
    const std::string whole = readFile(dir.file("e.dat"));
    writeFile(dir.file("cut.dat"), whole.substr(0, whole.size() - 3));
    const CtlRun cut = ctl({"list", dir.file("cut.dat")});
    EXPECT_EQ(cut.status, 1);
    EXPECT_EQ(cut.out, "");
    EXPECT_TRUE(contains(cut.err, "error 62")) << cut.err;
    EXPECT_TRUE(contains(cut.err, "'" + dir.file("cut.dat") + "' ends at byte " + std::to_string(whole.size() - 3)))
        << cut.err;

    const NamedPipe pipe(dir.file("pipe.dat"));
    CtlRun piped;
    EXPECT_TRUE(pipe.finishesWithin(std::chrono::seconds(5), [&] { piped = ctl({"list", pipe.path()}); }));
    EXPECT_EQ(piped.status, 1);
    EXPECT_TRUE(contains(piped.err, "is not a regular file")) << piped.err;
}

TEST(ExportCommand, WritesTheRecordFieldsAndTheUnlessRuleAsJson)
{
    TempDir dir;
    saveEvents(dir.file("e.dat"), richEvents());
    const CtlRun run = ctl({"export", dir.file("e.dat")});
    ASSERT_EQ(run.status, 0) << run.err;
    const QJsonArray events = QJsonDocument::fromJson(QByteArray::fromStdString(run.out)).array();
    ASSERT_EQ(events.size(), 3);

    const QJsonObject backup = events[0].toObject();
    EXPECT_EQ(backup.keys().size(), 17);
    EXPECT_EQ(backup["Identifier"], "Backup");
    EXPECT_EQ(backup["Description"], QString::fromUtf8("Sicherung über Nacht – „täglich“"));
    EXPECT_EQ(backup["NextStart"], "2026-03-07T09:00:00");
    EXPECT_TRUE(backup["LastStart"].isDouble());
    EXPECT_EQ(backup["DeleteAfterDone"], true);
    EXPECT_EQ(backup["Finished"], false);
    EXPECT_EQ(backup["Delay"], 10);
    const QJsonObject unless = backup["Unless"].toObject();
    EXPECT_EQ(unless["FromTable"], true);
    const QJsonArray months = unless["Months"].toArray();
    ASSERT_EQ(months.size(), 4);
    EXPECT_EQ(months[0].toObject()["Key"], "0");
    EXPECT_EQ(months[0].toObject()["Days"].toArray()[2].toObject(), (QJsonObject{{"Key", "32"}, {"Day", 32}}));
    EXPECT_EQ(unless["WeekDays"].toArray()[2].toObject(), (QJsonObject{{"Key", "1"}, {"WeekDay", 1}}));

    const QJsonObject odd = events[1].toObject();
    EXPECT_EQ(odd["Identifier"], "");
    EXPECT_EQ(odd["LastStart"], "0x8000000000000000");
    EXPECT_EQ(odd["RegularStart"], -700000.5);
    EXPECT_EQ(odd["Unless"].toObject()["Months"].toArray()[0].toObject()["Key"], "May");
    EXPECT_EQ(odd["Unless"].toObject()["WeekDays"].toArray(), QJsonArray());
}

// All but a text holding U+0000 and an empty identifier, which import refuses.
TEST(ExportImport, GiveBackTheSameBytes)
{
    TempDir dir;
    auto rich = richEvents();
    for (auto& e : rich) {
        std::string description = e->Description();
        std::erase(description, '\0');
        e->setDescription(description);
        if (e->Identifier().empty()) e->setIdentifier("odd");
    }
    for (const auto& events : {rich, std::vector<std::shared_ptr<CPlent>>{}}) {
        saveEvents(dir.file("e.dat"), events);
        const CtlRun exported = ctl({"export", dir.file("e.dat")});
        ASSERT_EQ(exported.status, 0) << exported.err;
        writeFile(dir.file("e.json"), exported.out);
        const CtlRun imported = ctl({"import", dir.file("e.json"), dir.file("again.dat")});
        ASSERT_EQ(imported.status, 0) << imported.err;
        EXPECT_EQ(imported.out, "");
        EXPECT_EQ(readFile(dir.file("again.dat")), readFile(dir.file("e.dat")));
    }
    EXPECT_EQ(readFile(dir.file("again.dat")), EmptyEventFile);
}

TEST(ImportCommand, ReadsStandardInputAndGivesMissingFieldsTheirInitialValues)
{
    TempDir dir;
    const std::string json = R"([{"Identifier": "a", "NextStart": "2026-03-07 09:00", "Status": 4,
        "Unless": {"Months": [{"Month": 3, "Days": [{"Day": 32}]}], "WeekDays": [{"WeekDay": 2}]}},
        {"Identifier": "b", "LastStart": 46000.25}])";
    const CtlRun run = ctl({"import", "-", dir.file("e.dat")}, json);
    ASSERT_EQ(run.status, 0) << run.err;

    Plent::Schedule engine = Ctl::EventStore::newSchedule();
    std::vector<std::string> notices;
    engine.load(dir.file("e.dat"), notices);
    ASSERT_EQ(engine.Events().Count(), 2);
    const auto a = engine.Events().Item("a");
    EXPECT_EQ(a->NextStart(), at(2026, 3, 7, 9).toDate());
    EXPECT_EQ(a->Status(), 4);
    EXPECT_EQ(a->RetryMode(), 0);
    EXPECT_EQ(a->Description(), "");
    EXPECT_FALSE(a->Finished());
    EXPECT_FALSE(a->Unless().FromTable());
    ASSERT_TRUE(a->Unless().Months().Item("3"));
    EXPECT_EQ(a->Unless().Months().Item("3")->Days().Item("32")->Day(), 32);
    EXPECT_EQ(a->Unless().WeekDays().Item("2")->WeekDay(), 2);
    const auto b = engine.Events().Item("b");
    EXPECT_EQ(b->LastStart(), 46000.25);
    EXPECT_EQ(b->NextStart(), 0.0);
    EXPECT_EQ(b->Unless().Months().Count(), 0);
}

TEST(ImportCommand, RefusesBadInputAndLeavesTheFileAsItWas)
{
    TempDir dir;
    saveEvents(dir.file("e.dat"), richEvents());
    const std::string before = readFile(dir.file("e.dat"));
    const auto refused = [&](const std::string& json) {
        const CtlRun run = ctl({"import", "-", dir.file("e.dat")}, json);
        EXPECT_EQ(run.status, 2) << json;
        EXPECT_EQ(readFile(dir.file("e.dat")), before) << json;
        return run.err;
    };
    EXPECT_EQ(refused("[{\"Identifier\": \"a\",\n  \"Retry\" 3}]"),
              "pelmorctl import: JSON, line 2, column 12: missing name separator\n");
    EXPECT_EQ(refused("{}"), "pelmorctl import: JSON: the top level must be an array of events\n");
    EXPECT_EQ(refused("[3]"), "pelmorctl import: event 1: must be an object\n");
    EXPECT_EQ(refused(R"([{"Identifier": "a", "NextStrat": 3}])"),
              "pelmorctl import: event 1 ('a'): unknown field 'NextStrat'\n");
    EXPECT_EQ(refused(R"([{"Identifier": "a"}, {"Identifier": "A"}])"),
              "pelmorctl import: event 2 ('A'): identifier 'A' is given twice\n");
    EXPECT_EQ(refused(R"([{"Identifier": "a"}, {"Identifier": ""}])"),
              "pelmorctl import: event 2: the identifier is empty\n");
    EXPECT_EQ(refused(R"([{"Retry": 32768}])"), "pelmorctl import: event 1: Retry must lie between -32768 and 32767\n");
    EXPECT_EQ(refused(R"([{"Retry": 1.5}])"), "pelmorctl import: event 1: Retry must be a whole number\n");
    EXPECT_EQ(refused(R"([{"Retry": "1"}])"), "pelmorctl import: event 1: Retry must be a whole number\n");
    EXPECT_EQ(refused(R"([{"Finished": 1}])"), "pelmorctl import: event 1: Finished must be true or false\n");
    EXPECT_EQ(refused(R"([{"Identifier": 7}])"), "pelmorctl import: event 1: Identifier must be a text\n");
    EXPECT_EQ(refused(R"([{"Description": "漢字"}])"),
              "pelmorctl import: event 1: Description holds a character the event file cannot store\n");
    EXPECT_EQ(refused(R"([{"Identifier": "a", "Parameter": "run\u0000 --all"}])"),
              "pelmorctl import: event 1 ('a'): Parameter holds the character U+0000\n");
    EXPECT_EQ(refused(R"([{"Unless": {"WeekDays": [{"WeekDay": 1, "Key": "\u0000"}]}}])"),
              "pelmorctl import: event 1, Unless, WeekDays[0]: Key holds the character U+0000\n");
    EXPECT_EQ(refused("[{\"Parameter\": \"" + std::string(32768, 'x') + "\"}]"),
              "pelmorctl import: event 1: Parameter is longer than 32767 characters\n");
    EXPECT_EQ(refused(R"([{"NextStart": "2026-02-30T10:00:00"}])"),
              "pelmorctl import: event 1: NextStart must be a date \"YYYY-MM-DDTHH:MM:SS\" or a number\n");
    EXPECT_EQ(refused(R"([{"Unless": []}])"), "pelmorctl import: event 1: Unless must be an object\n");
    EXPECT_EQ(refused(R"([{"Unless": {"Months": [{"Month": 1}, {"Key": "1"}]}}])"),
              "pelmorctl import: event 1, Unless, Months[1]: month key '1' is given twice\n");
    EXPECT_EQ(refused(R"([{"Unless": {"Months": [{"Month": 1, "Days": [{"Day": 40000}]}]}}])"),
              "pelmorctl import: event 1, Unless, Months[0], Days[0]: Day must lie between -32768 and 32767\n");
    EXPECT_EQ(refused(R"([{"Unless": {"WeekDays": [{"WeekDay": 1, "Day": 1}]}}])"),
              "pelmorctl import: event 1, Unless, WeekDays[0]: unknown field 'Day'\n");
}

TEST(ImportCommand, ReportsFilesItCannotReadOrWrite)
{
    TempDir dir;
    const CtlRun missing = ctl({"import", dir.file("none.json"), dir.file("e.dat")});
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(contains(missing.err, "cannot read '" + dir.file("none.json") + "'")) << missing.err;
    EXPECT_FALSE(fs::exists(dir.file("e.dat")));

    const CtlRun noDirectory = ctl({"import", "-", dir.file("no/such/dir/e.dat")}, "[]");
    EXPECT_EQ(noDirectory.status, 1);
    EXPECT_TRUE(contains(noDirectory.err, "cannot write '" + dir.file("no/such/dir/e.dat") + "'")) << noDirectory.err;

    const CtlRun directory = ctl({"import", "-", dir.file("")}, "[]");
    EXPECT_EQ(directory.status, 1);
    EXPECT_TRUE(contains(directory.err, "it is a directory")) << directory.err;
}
