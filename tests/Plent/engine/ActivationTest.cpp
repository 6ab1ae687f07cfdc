#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "Plent/engine/CPlentEngine.h"
#include "Platform/automation/ComObject.h"
#include "Plent/scheduling/SchedulingFixtures.h"
#include "Platform/dates/Clock.h"

using namespace Plent;
using namespace SchedulingFixtures;

namespace {

// A list window that counts its rebuilds and notes how many events it saw.
class FakeListWindow : public Platform::ComObject<IListWindow> {
public:
    explicit FakeListWindow(CPlentEngine& engine) : engine_(engine) {}
    Platform::HRESULT GetIDOfName(const std::string&, Platform::DISPID*) override { return Platform::E_NOTIMPL; }
    Platform::HRESULT Invoke(Platform::DISPID, Platform::InvokeKind, std::vector<Platform::Variant>&,
                             Platform::Variant*) override
    {
        return Platform::E_NOTIMPL;
    }
    void Init(int32_t, int16_t) override {}
    void setEditAllowed(bool) override {}
    void setEventFile(const std::string&) override {}
    void setPassword(const std::string&) override {}
    void setEngine(std::shared_ptr<CPlentEngine>) override {}
    void Show(int16_t) override {}
    void FillList() override { rows.push_back(engine_.Plents().Count()); }
    void setHideOnClose(bool) override {}

    std::vector<int32_t> rows;

private:
    CPlentEngine& engine_;
};

struct Activated {
    std::string identifier, description, parameter;
    bool alarm = true;
};

class ActivationTest : public ::testing::Test {
protected:
    Activated poll()
    {
        Activated h{"", "stale", "stale", true};
        h.identifier = engine.ActivEvent(h.description, h.parameter, h.alarm);
        return h;
    }
    std::vector<std::string> pollAll()
    {
        std::vector<std::string> ids;
        for (Activated h = poll(); !h.identifier.empty(); h = poll()) ids.push_back(h.identifier);
        return ids;
    }
    Platform::FixedClock clock{at(2026, 5, 4, 10)};
    CPlentEngine engine;
};

} // namespace

TEST_F(ActivationTest, NoEventsGiveNothing)
{
    const Activated h = poll();
    EXPECT_EQ(h.identifier, "");
    EXPECT_EQ(h.description, "");
    EXPECT_EQ(h.parameter, "");
    EXPECT_FALSE(h.alarm);
}

TEST_F(ActivationTest, DueEventsAreHandedOutInListOrderOnePerCall)
{
    addEvent(engine, "b", RetryMode::Minutes, 15, at(2026, 5, 4, 9, 30));
    addEvent(engine, "future", RetryMode::Minutes, 15, at(2026, 5, 4, 10, 0, 1));
    addEvent(engine, "a", RetryMode::Days, 1, at(2026, 5, 4, 10));
    addEvent(engine, "c", RetryMode::Once, 0, at(2026, 1, 1));

    const Activated first = poll();
    EXPECT_EQ(first.identifier, "b");
    EXPECT_EQ(first.description, "about b");
    EXPECT_EQ(first.parameter, "run b");
    EXPECT_FALSE(first.alarm);
    EXPECT_EQ(pollAll(), (std::vector<std::string>{"a", "c"}));

    const auto b = engine.Plents().Item("b");
    EXPECT_EQ(whenOf(b->NextStart()), at(2026, 5, 4, 10, 15));
    EXPECT_EQ(whenOf(b->LastStart()), at(2026, 5, 4, 10));
    EXPECT_EQ(b->Status(), Status::Done);
    EXPECT_FALSE(b->Finished());
    const auto c = engine.Plents().Item("c");
    EXPECT_TRUE(c->Finished());
    EXPECT_EQ(whenOf(c->NextStart()), at(2026, 1, 1));
    clock.advance(3600 * 24 * 400);
    EXPECT_EQ(pollAll(), (std::vector<std::string>{"b", "future", "a"}));
}

TEST_F(ActivationTest, StoppedEventsAreNeverHandedOut)
{
    addEvent(engine, "stopped", RetryMode::Minutes, 1, at(2000, 1, 1))->setStatus(Status::Stopped);
    addEvent(engine, "stoppedAtStart", RetryMode::OncePerRun, 0, at(2000, 1, 1))->setStatus(Status::Stopped);
    EXPECT_EQ(pollAll(), std::vector<std::string>{});
}

TEST_F(ActivationTest, OncePerStartEventsComeFirstOnceInEveryEngine)
{
    auto events = std::make_shared<colPlents>();
    engine.setPlents(events);
    addEvent(engine, "due", RetryMode::Days, 1, at(2026, 5, 4, 9));
    addEvent(engine, "start1", RetryMode::OncePerRun, 0, at(2030, 1, 1))->setFinished(true);
    addEvent(engine, "start2", RetryMode::OncePerRun, 0, DateTime(0))->setFinished(true);
    EXPECT_EQ(pollAll(), (std::vector<std::string>{"start1", "start2", "due"}));
    EXPECT_TRUE(engine.Plents().Item("start1")->Finished());
    EXPECT_EQ(engine.Plents().Item("start1")->Status(), Status::Done);

    clock.advance(3600 * 24);
    EXPECT_EQ(pollAll(), std::vector<std::string>{"due"});

    CPlentEngine nextRun;
    nextRun.setPlents(events);
    std::vector<std::string> ids;
    std::string description, parameter;
    bool alarm = false;
    for (std::string id; !(id = nextRun.ActivEvent(description, parameter, alarm)).empty();) ids.push_back(id);
    EXPECT_EQ(ids, (std::vector<std::string>{"start1", "start2"}));
}

namespace {

// An event with a delay rule, due at 10:00, and a daily one due when the
// engine looks: what each poll hands out, and how the first event stands
// after the first poll.
struct DelayCase {
    const char* name;
    int16_t delayMode;
    int16_t retryMode;
    int16_t delay;
    DateTime foundAt;
    // Identifier and alarm of each hand-out of that poll.
    std::vector<std::pair<std::string, bool>> handedOut;
    int16_t status;
    DateTime nextStart;
    bool finished;
    // A later poll and what it hands out.
    std::optional<DateTime> foundLater = {};
    std::vector<std::pair<std::string, bool>> handedOutLater = {};
};

void PrintTo(const DelayCase& c, std::ostream* os) { *os << c.name; }

class DelayRuleTest : public ActivationTest, public ::testing::WithParamInterface<DelayCase> {
protected:
    std::vector<std::pair<std::string, bool>> pollAllAt(DateTime t)
    {
        clock.set(t);
        std::vector<std::pair<std::string, bool>> out;
        for (Activated h = poll(); !h.identifier.empty(); h = poll()) out.emplace_back(h.identifier, h.alarm);
        return out;
    }
};

const DelayCase delayCases[] = {
    {"inside the window, do it", DelayMode::DoIt, RetryMode::Hours, 10, at(2026, 5, 4, 10, 9, 59),
     {{"late", false}, {"other", false}}, Status::Done, at(2026, 5, 4, 11), false},
    {"inside the window, seen as done", DelayMode::SeenAsDone, RetryMode::Hours, 10, at(2026, 5, 4, 10, 9, 59),
     {{"late", false}, {"other", false}}, Status::Done, at(2026, 5, 4, 11), false},
    {"inside the window, alarm", DelayMode::Alarm, RetryMode::Hours, 10, at(2026, 5, 4, 10, 9, 59),
     {{"late", false}, {"other", false}}, Status::Done, at(2026, 5, 4, 11), false},
    {"delay minutes late, do it", DelayMode::DoIt, RetryMode::Hours, 10, at(2026, 5, 4, 10, 10),
     {{"late", false}, {"other", false}}, Status::Done, at(2026, 5, 4, 11), false},
    // The scan goes on past the event seen as done.
    {"delay minutes late, seen as done", DelayMode::SeenAsDone, RetryMode::Hours, 10, at(2026, 5, 4, 10, 10),
     {{"other", false}}, Status::SeenAsDone, at(2026, 5, 4, 11), false},
    // The alarm belongs to that hand-out only.
    {"delay minutes late, alarm", DelayMode::Alarm, RetryMode::Hours, 10, at(2026, 5, 4, 12, 30),
     {{"late", true}, {"other", false}}, Status::Alarm, at(2026, 5, 4, 13), false, at(2026, 5, 4, 13, 1),
     {{"late", false}}},
    {"a once-only event seen as done is finished", DelayMode::SeenAsDone, RetryMode::Once, 10,
     at(2026, 5, 4, 10, 15), {{"other", false}}, Status::SeenAsDone, at(2026, 5, 4, 10), true,
     at(2026, 5, 4, 11, 15), {}},
    {"a negative delay is no delay window", DelayMode::SeenAsDone, RetryMode::Hours, -5, at(2026, 5, 4, 11, 30),
     {{"late", false}, {"other", false}}, Status::Done, at(2026, 5, 4, 12), false},
};

} // namespace

TEST_P(DelayRuleTest, HandsOutByTheModeOnlyWhenFoundDelayMinutesLate)
{
    const DelayCase& c = GetParam();
    auto e = addEvent(engine, "late", c.retryMode, 1, at(2026, 5, 4, 10));
    e->setDelay(c.delay);
    e->setDelayMode(c.delayMode);
    addEvent(engine, "other", RetryMode::Days, 1, c.foundAt);

    EXPECT_EQ(pollAllAt(c.foundAt), c.handedOut);
    EXPECT_EQ(e->Status(), c.status);
    EXPECT_EQ(whenOf(e->NextStart()), c.nextStart);
    EXPECT_EQ(e->Finished(), c.finished);
    // Seen as done moves the event on without a start.
    EXPECT_EQ(e->LastStart(), c.status == Status::SeenAsDone ? 0.0 : c.foundAt.toDate());
    if (!c.foundLater) return;
    EXPECT_EQ(pollAllAt(*c.foundLater), c.handedOutLater);
    if (!c.handedOutLater.empty()) {
        EXPECT_EQ(e->Status(), Status::Done);
    }
}

INSTANTIATE_TEST_SUITE_P(DelayModes, DelayRuleTest, ::testing::ValuesIn(delayCases));

TEST_F(ActivationTest, DeleteAfterDoneRemovesTheEventAndTheListShowsIt)
{
    auto window = Platform::ComObject<IListWindow>::create<FakeListWindow>(engine);
    engine.setObjShowEvents(window);
    addEvent(engine, "gone", RetryMode::Days, 1, at(2026, 5, 4, 9))->setDeleteAfterDone(true);
    addEvent(engine, "stays", RetryMode::Days, 1, at(2026, 5, 4, 9));

    const Activated h = poll();
    EXPECT_EQ(h.identifier, "gone");
    EXPECT_EQ(h.parameter, "run gone");
    EXPECT_FALSE(engine.ExistEvent("gone"));
    EXPECT_EQ(poll().identifier, "stays");
    EXPECT_EQ(poll().identifier, "");
    EXPECT_EQ(window->rows, (std::vector<int32_t>{1, 1}));
    engine.setObjShowEvents(nullptr);
}

TEST_F(ActivationTest, EventsWithoutANextStartStayFinished)
{
    addEvent(engine, "unknownMode", 9, 1, at(2026, 5, 4, 9));
    auto never = addEvent(engine, "never", RetryMode::Days, 1, at(2026, 5, 4, 9));
    for (int w = 1; w <= 7; ++w) excludeWeekDay(*never, w);
    EXPECT_EQ(pollAll(), (std::vector<std::string>{"unknownMode", "never"}));
    EXPECT_TRUE(engine.Plents().Item("unknownMode")->Finished());
    EXPECT_TRUE(never->Finished());
    clock.advance(3600 * 24 * 30);
    EXPECT_EQ(pollAll(), std::vector<std::string>{});
}
