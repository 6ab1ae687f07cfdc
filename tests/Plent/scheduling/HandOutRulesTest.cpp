// What the runner's hand-out does besides handing out: events it holds
// while their table is missing, events without identifier, and the frequent
// events after the clock went back.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <fstream>

#include "ClockedSchedule.h"
#include "SchedulingFixtures.h"

using namespace SchedulingFixtures;
namespace RetryMode = Plent::RetryMode;

namespace {

const DateTime Now = at(2026, 5, 4, 12, 0, 0);

std::string identifierOf(const std::optional<Plent::HandOut>& h) { return h ? h->identifier : "<none>"; }

// A new engine's schedule: its once-per-start events are made ready once,
// the pass over them ends when none is left, and the table is not read yet.
TEST(HandOutRules, ANewScheduleStartsItsRunAfresh)
{
    ClockedSchedule engine;
    const Plent::Schedule& s = engine.schedule();
    EXPECT_FALSE(s.Startup().ScanDone());
    EXPECT_FALSE(s.Startup().ResetDone());
    EXPECT_FALSE(s.Table().Loaded());

    auto start = addEvent(engine, "start", RetryMode::OncePerRun, 0, DateTime(0));
    start->setFinished(true);
    start->setStatus(Plent::Status::Alarm);
    engine.schedule().resetStartupEvents();
    EXPECT_FALSE(start->Finished());
    EXPECT_EQ(start->Status(), Plent::Status::Alarm);
    EXPECT_TRUE(s.Startup().ResetDone());
    start->setFinished(true);
    engine.schedule().resetStartupEvents();
    EXPECT_TRUE(start->Finished());

    start->setFinished(false);
    EXPECT_EQ(engine.activate().identifier, "start");
    EXPECT_FALSE(s.Startup().ScanDone());
    EXPECT_EQ(engine.activate().identifier, "");
    EXPECT_TRUE(s.Startup().ScanDone());
}

TEST(HandOutRules, AMissingTableHoldsOnlyTheEventsThatNeedItUntilItIsThere)
{
    QTemporaryDir dir;
    const std::string table = dir.filePath("Pelmor.tab").toStdString();
    ClockedSchedule engine;
    engine.setUnlessTable(table);
    addEvent(engine, "holiday", RetryMode::Days, 1, Now.addSeconds(-60))->Unless().setFromTable(true);
    addEvent(engine, "plain", RetryMode::Days, 1, Now.addSeconds(-60));
    Plent::Schedule& s = engine.schedule();

    const auto held = s.nextHandOut(Now);
    ASSERT_TRUE(held && held->isHeld());
    EXPECT_EQ(held->identifier, "holiday");
    EXPECT_NE(held->held.find("File not found: '" + table + "'"), std::string::npos) << held->held;
    EXPECT_EQ(identifierOf(s.nextHandOut(Now)), "plain");
    EXPECT_EQ(identifierOf(s.nextHandOut(Now)), "<none>");
    EXPECT_EQ(identifierOf(s.nextHandOut(Now.addSeconds(5))), "<none>") << "held again, told once";

    std::ofstream(table) << "01.01.2000\r\n";
    const auto released = s.nextHandOut(Now.addSeconds(10));
    ASSERT_TRUE(released);
    EXPECT_EQ(released->identifier, "holiday");
    EXPECT_FALSE(released->isHeld());
}

TEST(HandOutRules, AnEventWithoutIdentifierIsToldOnceAndNeverHandedOut)
{
    struct {
        std::shared_ptr<Plent::colPlents> events = std::make_shared<Plent::colPlents>();
        Plent::colPlents& Plents() { return *events; }
    } file;
    addEvent(file, "", RetryMode::Days, 1, Now.addSeconds(-60));
    addEvent(file, "after", RetryMode::Days, 1, Now.addSeconds(-60));
    ClockedSchedule engine;
    Plent::Schedule& s = engine.schedule();
    s.setEvents(file.events);

    const auto told = s.nextHandOut(Now);
    ASSERT_TRUE(told && told->isHeld());
    EXPECT_EQ(told->held, "the event at position 1 of the event file has no identifier and is never started");
    EXPECT_EQ(identifierOf(s.nextHandOut(Now)), "after");
    EXPECT_EQ(identifierOf(s.nextHandOut(Now)), "<none>");
    EXPECT_EQ(s.activate(Now.addSeconds(5)).identifier, "");
}

// Each event was handed out at Now; then the clock goes back four hours.
TEST(HandOutRules, AfterTheClockWentBackOnlyFrequentEventsComeAgainWithinAStep)
{
    const struct {
        const char* id;
        int16_t mode;
        int16_t retry;
        int64_t dueWithin;  // seconds after the set-back; 0: not for hours
    } cases[] = {{"every 15 minutes", RetryMode::Minutes, 15, 15 * 60},
                 {"every 2 hours", RetryMode::Hours, 2, 2 * 3600},
                 {"daily", RetryMode::Days, 1, 0},
                 {"once", RetryMode::Once, 0, 0}};
    for (const auto& c : cases) {
        ClockedSchedule engine;
        addEvent(engine, c.id, c.mode, c.retry, Now.addSeconds(-1));
        Plent::Schedule& s = engine.schedule();
        ASSERT_EQ(s.activate(Now).identifier, c.id);
        const DateTime back = Now.addSeconds(-4 * 3600 + 7);
        EXPECT_EQ(s.activate(back).identifier, "") << c.id;
        const auto& event = *engine.Plents().Item(c.id);
        if (c.dueWithin) {
            EXPECT_GE(whenOf(event.NextStart()), back) << c.id;
            EXPECT_LE(whenOf(event.NextStart()), back.addSeconds(c.dueWithin)) << c.id;
        } else {
            EXPECT_TRUE(event.Finished() || whenOf(event.NextStart()) > Now) << c.id;
        }
    }
}

} // namespace
