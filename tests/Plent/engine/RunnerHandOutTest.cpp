// The runner's hand-out: one call gives everything the runner records of a
// start, the event as it was before the hand-out moved it on.
#include <gtest/gtest.h>

#include "Plent/engine/CPlentEngineServer.h"
#include "Plent/scheduling/SchedulingFixtures.h"
#include "Platform/dates/Clock.h"

using namespace Plent;
using namespace SchedulingFixtures;

namespace {

class RunnerHandOutTest : public ::testing::Test {
protected:
    RunnerHandOutTest() : server_(Platform::ComObject<Kalvor::_CPlentEngine>::create<CPlentEngineServer>())
    {
        EXPECT_EQ(server_->QueryInterface(Kalvor::IID__CPlentRunner, runner_.putVoid()), Platform::S_OK);
    }

    CPlentEngine& engine() { return server_->engine(); }
    HandOut next()
    {
        HandOut handOut{"stale", "stale", "stale", true, -1, -1, -1, true};
        Platform::VARIANT_BOOL any = 0;
        EXPECT_EQ(runner_->NextHandOut(&handOut, &any), Platform::S_OK);
        EXPECT_EQ(any != 0, !handOut.identifier.empty());
        return handOut;
    }

    Platform::FixedClock clock{at(2026, 5, 4, 12, 30)};
    Platform::ComPtr<CPlentEngineServer> server_;
    Platform::ComPtr<Kalvor::_CPlentRunner> runner_;
};

TEST_F(RunnerHandOutTest, TellsTheStartBeforeTheHandOutAndWhetherTheDelayRuleApplied)
{
    auto late = addEvent(engine(), "late", RetryMode::Hours, 1, at(2026, 5, 4, 10));
    late->setDelay(10);
    late->setDelayMode(DelayMode::Alarm);
    auto inTime = addEvent(engine(), "inTime", RetryMode::Hours, 1, at(2026, 5, 4, 12, 25));
    inTime->setDelay(10);

    HandOut h = next();
    EXPECT_EQ(h.identifier, "late");
    EXPECT_EQ(h.description, "about late");
    EXPECT_EQ(h.parameter, "run late");
    EXPECT_TRUE(h.alarm);
    EXPECT_EQ(whenOf(h.due), at(2026, 5, 4, 10));
    EXPECT_EQ(h.delay, 10);
    EXPECT_EQ(h.delayMode, DelayMode::Alarm);
    EXPECT_TRUE(h.late);
    EXPECT_FALSE(h.isHeld());
    EXPECT_EQ(whenOf(late->NextStart()), at(2026, 5, 4, 13));

    h = next();
    EXPECT_EQ(h.identifier, "inTime");
    EXPECT_EQ(whenOf(h.due), at(2026, 5, 4, 12, 25));
    EXPECT_FALSE(h.alarm);
    EXPECT_FALSE(h.late) << "found within its delay";

    h = next();
    EXPECT_EQ(h.identifier, "");
    EXPECT_EQ(h.due, 0.0);
    EXPECT_FALSE(h.alarm);
    EXPECT_FALSE(h.late);
}

// An event seen as done on the way is passed over; the event handed out
// after it in the same call was not late. A once-per-start hand-out is never
// late.
TEST_F(RunnerHandOutTest, NeitherAPassedOverEventNorAOncePerStartOneMakesAHandOutLate)
{
    auto startup = addEvent(engine(), "startup", RetryMode::OncePerRun, 0, at(2026, 5, 4, 10));
    startup->setDelay(10);
    startup->setDelayMode(DelayMode::Alarm);
    auto seen = addEvent(engine(), "seen", RetryMode::Hours, 1, at(2026, 5, 4, 10));
    seen->setDelay(10);
    seen->setDelayMode(DelayMode::SeenAsDone);
    addEvent(engine(), "plain", RetryMode::Hours, 1, at(2026, 5, 4, 12));

    HandOut h = next();
    EXPECT_EQ(h.identifier, "startup");
    EXPECT_FALSE(h.late);
    h = next();
    EXPECT_EQ(h.identifier, "plain");
    EXPECT_FALSE(h.late);
}

} // namespace
