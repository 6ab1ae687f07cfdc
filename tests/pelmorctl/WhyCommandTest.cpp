#include <gtest/gtest.h>

#include <functional>

#include "CtlFixtures.h"
#include "pelmorctl/DateText.h"
#include "pelmorctl/NextStarts.h"

using namespace ctlfixtures;
using Plent::CPlent;

namespace {

// One question to why: the event (a daily 02:00 backup from Friday 1 May
// 2026 unless the case changes it), the moment, what the answer must name,
// and the next start it must give; empty when there is none.
struct WhyCase {
    const char* name;
    std::function<void(CPlent&)> setUp;
    DateTime at;
    const char* names;
    const char* next;
};

void PrintTo(const WhyCase& c, std::ostream* out) { *out << c.name; }

const std::string Table = "2026-05-14 Ascension Day\n";
const std::string History =
    R"({"run":"1","time":"2026-04-30 02:00:03","identifier":"other","outcome":"started","exitStatus":0})" "\n"
    R"({"run":"2","time":"2026-05-02 02:00:04","identifier":"backup","due":"2026-05-02 02:00:00","outcome":"started","exitStatus":3})" "\n"
    R"({"run":"3","time":"2026-05-05 09:00:01","identifier":"other","outcome":"not started","reason":"program not found"})" "\n";

void from(CPlent& e, DateTime next) { e.setNextStart(next.toDate()); e.setRegularStart(next.toDate()); }
void late(CPlent& e, int16_t mode) { e.setDelay(10); e.setDelayMode(mode); }

const WhyCase Cases[] = {
    {"weekday skipped", [](CPlent& e) { addWeekDays(e.Unless(), {7, 1}); from(e, at(2026, 5, 4, 2)); },
     at(2026, 5, 2, 12), "2026-05-02 02:00:00 is skipped: the unless rule holds (Saturday)", "2026-05-04 02:00:00"},
    {"day of every month", [](CPlent& e) { addMonthDays(e.Unless(), 0, {15}); from(e, at(2026, 5, 14, 2)); },
     at(2026, 5, 14, 3), "(day 15 of every month)", "2026-05-16 02:00:00"},
    {"last day of every month", [](CPlent& e) { addMonthDays(e.Unless(), 0, {31, 32}); from(e, at(2026, 4, 29, 2)); },
     at(2026, 4, 29, 3), "(the last day of every month)", "2026-05-01 02:00:00"},
    {"a month's day", [](CPlent& e) { addMonthDays(e.Unless(), 12, {24}); from(e, at(2026, 12, 23, 2)); },
     at(2026, 12, 23, 3), "(day 24 of December)", "2026-12-25 02:00:00"},
    {"last day of February", [](CPlent& e) { addMonthDays(e.Unless(), 2, {29, 32}); from(e, at(2027, 2, 27, 2)); },
     at(2027, 2, 27, 3), "(the last day of February)", "2027-03-01 02:00:00"},
    {"time window",
     [](CPlent& e) { e.setRetryMode(3); e.setFrom(800); e.setTo(1700); e.Unless(); from(e, at(2026, 5, 4, 17)); },
     at(2026, 5, 4, 17, 30), "(the daily time window From 08:00 To 17:00 shuts out 18:00)", "2026-05-05 08:00:00"},
    {"table date", [](CPlent& e) { e.Unless().setFromTable(true); from(e, at(2026, 5, 13, 2)); },
     at(2026, 5, 13, 3), "(the table date 2026-05-14, Ascension Day)", "2026-05-15 02:00:00"},
    {"move to next day",
     [](CPlent& e) { addWeekDays(e.Unless(), {1}); e.setMoveToNextDay(true); from(e, at(2026, 5, 2, 2)); },
     at(2026, 5, 2, 3), "2026-05-03 02:00:00: the unless rule holds (Sunday); move to next day: 2026-05-04 02:00:00", "2026-05-04 02:00:00"},
    {"on time within the delay", [](CPlent& e) { late(e, 1); from(e, at(2026, 5, 4, 2)); }, at(2026, 5, 4, 2, 5),
     "5 min 0 s after its start, the delay limit is 10 minutes: handed out", "2026-05-05 02:00:00"},
    {"late, do it", [](CPlent& e) { late(e, 0); from(e, at(2026, 5, 4, 2)); }, at(2026, 5, 4, 2, 30),
     "30 min 0 s after its start, late (the delay limit is 10 minutes), do it: handed out", "2026-05-05 02:00:00"},
    {"late, seen as done", [](CPlent& e) { late(e, 1); from(e, at(2026, 5, 4, 2)); }, at(2026, 5, 4, 2, 30),
     "seen as done: not started, moved on", "2026-05-05 02:00:00"},
    {"late, alarm", [](CPlent& e) { late(e, 2); from(e, at(2026, 5, 4, 2)); }, at(2026, 5, 4, 2, 30),
     "alarm: handed out with the alarm", "2026-05-05 02:00:00"},
    {"finished", [](CPlent& e) { e.setRetry(0); e.setFinished(true); }, at(2026, 5, 4, 3),
     "the repetition count is 0 or less", ""},
    {"a run in the history", [](CPlent& e) { from(e, at(2026, 5, 3, 2)); }, at(2026, 5, 2, 12),
     "started at 02:00:04, exit status 3", "2026-05-03 02:00:00"},
    {"no runner", [](CPlent& e) { from(e, at(2026, 5, 4, 2)); }, at(2026, 5, 3, 12),
     "no run recorded: the runner was not running (no hand-out between 2026-05-02 02:00:04 and 2026-05-05 09:00:01)",
     "2026-05-04 02:00:00"},
    {"stopped", [](CPlent& e) { e.setStatus(4); }, at(2026, 5, 4, 3), "It is stopped", ""},
    {"unknown repetition", [](CPlent& e) { e.setRetryMode(9); }, at(2026, 5, 4, 3), "the repetition mode is unknown", ""},
};

class WhyCommand : public ::testing::TestWithParam<WhyCase> {
protected:
    void SetUp() override
    {
        std::ofstream(dir.file("e.tab")) << Table;
        std::ofstream(dir.file("e.history")) << History;
    }
    TempDir dir;
};

} // namespace

// The answer names the rule, and its next start is the one the engine's
// next-start rule gives the event.
TEST_P(WhyCommand, NamesTheRuleAndAgreesWithTheEngine)
{
    const WhyCase& c = GetParam();
    auto backup = event("backup", 4, 1, at(2026, 5, 1, 2));
    c.setUp(*backup);
    saveEvents(dir.file("e.dat"), {backup});
    const std::string at = Ctl::DateText::format(c.at);
    const CtlRun run = ctl({"why", dir.file("e.dat"), "backup", "--at", at, "--table", dir.file("e.tab")});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find(c.names), std::string::npos) << run.out;

    Plent::Schedule schedule = Ctl::EventStore::newSchedule();
    schedule.setTablePath(dir.file("e.tab"));
    const auto preview = Ctl::NextStarts::of(schedule, *backup, c.at, 1);
    const std::string engine = preview.starts.empty() ? "" : Ctl::DateText::format(preview.starts.front());
    EXPECT_EQ(std::string(c.next), engine);
    if (c.next[0]) {
        EXPECT_NE(run.out.find("Next start after " + at + ": " + c.next + "."), std::string::npos) << run.out;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, WhyCommand, ::testing::ValuesIn(Cases), [](const auto& info) {
    std::string name = info.param.name;
    for (char& ch : name) {
        if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
    }
    return name;
});

TEST(WhyCommandJson, GivesTheTraceStepsWithTheirElements)
{
    TempDir dir;
    auto backup = event("backup", 4, 1, at(2026, 5, 4, 2));
    addWeekDays(backup->Unless(), {7, 1});
    saveEvents(dir.file("e.dat"), {backup});
    const CtlRun run = ctl({"why", dir.file("e.dat"), "backup", "--at", "2026-05-02 12:00", "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find(R"("element": "Saturday")"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find(R"("next": "2026-05-04T02:00:00")"), std::string::npos) << run.out;
    EXPECT_EQ(ctl({"why", dir.file("e.dat"), "nothing"}).status, 2);
}
