// What the engine tells a client about its last hand-out through the
// second interface: the event as it was before the hand-out moved it on.
#include <gtest/gtest.h>

#include "Plent/engine/CPlentEngineServer.h"
#include "Plent/engine/HandOutInterface.h"
#include "Plent/scheduling/SchedulingFixtures.h"
#include "Platform/dates/Clock.h"

using namespace Plent;
using namespace SchedulingFixtures;

namespace {

struct Facts {
    Platform::Date due = -1;
    int16_t delay = -1, delayMode = -1;
    bool late = true;
};

class HandOutFactsTest : public ::testing::Test {
protected:
    HandOutFactsTest() : server_(Platform::ComObject<Kalvor::_CPlentEngine>::create<CPlentEngineServer>()) {}

    CPlentEngine& engine() { return server_->engine(); }
    std::string activate()
    {
        std::string description, parameter, identifier;
        Platform::VARIANT_BOOL alarm = 0;
        EXPECT_EQ(server_->ActivEvent(&description, &parameter, &alarm, &identifier), Platform::S_OK);
        return identifier;
    }
    Facts facts()
    {
        Platform::ComPtr<Kalvor::_CPlentHandOut> handOut;
        EXPECT_EQ(server_->QueryInterface(Kalvor::IID__CPlentHandOut, handOut.putVoid()), Platform::S_OK);
        Facts f;
        Platform::VARIANT_BOOL late = 0;
        EXPECT_EQ(handOut->LastHandOut(&f.due, &f.delay, &f.delayMode, &late), Platform::S_OK);
        f.late = late != 0;
        return f;
    }

    Platform::FixedClock clock{at(2026, 5, 4, 12, 30)};
    Platform::ComPtr<CPlentEngineServer> server_;
};

TEST_F(HandOutFactsTest, TellTheStartBeforeTheHandOutAndWhetherTheDelayRuleApplied)
{
    auto late = addEvent(engine(), "late", RetryMode::Hours, 1, at(2026, 5, 4, 10));
    late->setDelay(10);
    late->setDelayMode(DelayMode::Alarm);
    auto inTime = addEvent(engine(), "inTime", RetryMode::Hours, 1, at(2026, 5, 4, 12, 25));
    inTime->setDelay(10);

    EXPECT_EQ(activate(), "late");
    Facts f = facts();
    EXPECT_EQ(whenOf(f.due), at(2026, 5, 4, 10));
    EXPECT_EQ(f.delay, 10);
    EXPECT_EQ(f.delayMode, DelayMode::Alarm);
    EXPECT_TRUE(f.late);

    EXPECT_EQ(activate(), "inTime");
    f = facts();
    EXPECT_EQ(whenOf(f.due), at(2026, 5, 4, 12, 25));
    EXPECT_FALSE(f.late) << "found within its delay";
}

// An event seen as done on the way is passed over; the event handed out
// after it in the same call was not late.
TEST_F(HandOutFactsTest, AnEventSeenAsDoneOnTheWayLeavesNoLatenessBehind)
{
    auto seen = addEvent(engine(), "seen", RetryMode::Hours, 1, at(2026, 5, 4, 10));
    seen->setDelay(10);
    seen->setDelayMode(DelayMode::SeenAsDone);
    addEvent(engine(), "plain", RetryMode::Hours, 1, at(2026, 5, 4, 12));
    EXPECT_EQ(activate(), "plain");
    EXPECT_FALSE(facts().late);
}

TEST_F(HandOutFactsTest, AOncePerStartHandOutIsNeverLate)
{
    auto startup = addEvent(engine(), "startup", RetryMode::OncePerRun, 0, at(2026, 5, 4, 10));
    startup->setDelay(10);
    startup->setDelayMode(DelayMode::Alarm);
    EXPECT_EQ(activate(), "startup");
    EXPECT_FALSE(facts().late);
}

} // namespace
