#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <numeric>
#include <optional>
#include <random>

#include "ClockedSchedule.h"
#include "SchedulingFixtures.h"
#include "Platform/dates/Clock.h"

using namespace Plent;
using namespace SchedulingFixtures;

namespace {

constexpr int SearchYears = 400;
const DateTime LastStorable = at(9999, 12, 31, 23, 59, 59);

std::optional<DateTime> addUnits(DateTime t, int16_t mode, int16_t n)
{
    switch (mode) {
    case RetryMode::Minutes: return t.addMinutes(n);
    case RetryMode::Hours: return t.addHours(n);
    case RetryMode::Days: return t.addDays(n);
    case RetryMode::Weeks: return t.addWeeks(n);
    default: {
        const int64_t months = mode == RetryMode::Months ? n : 12 * n;
        const Platform::CivilDateTime c = t.civil();
        if (c.year + (c.month - 1 + months) / 12 > 9999) return std::nullopt;
        return t.addMonths(months);
    }
    }
}

// The next-start rule as a plain loop: from RegularStart one step at a time,
// the unless rule tested at every grid point, past ones included; both loops
// bounded the same way as the engine's.
void referenceCalcNextStart(ClockedSchedule& engine, CPlent& e)
{
    const int16_t mode = e.RetryMode();
    if (mode == RetryMode::OncePerRun || mode == RetryMode::Once) return;
    if (mode < 0 || mode > 7) return e.setFinished(true);
    if (std::nearbyint(e.RegularStart()) == 0) e.setRegularStart(e.NextStart());
    const DateTime now = Platform::Clock::now();
    const DateTime horizon = std::min(now.addYears(SearchYears), LastStorable);
    CPlent trial = e;
    if (whenOf(trial.NextStart()) <= now) {
        if (e.Retry() <= 0) return e.setFinished(true);
        trial.setNextStart(trial.RegularStart());
        for (;;) {
            const auto next = addUnits(whenOf(trial.NextStart()), mode, e.Retry());
            if (!next) return e.setFinished(true);
            trial.setNextStart(next->toDate());
            if (engine.CheckUnless(trial) && !e.MoveToNextDay()) {
                if (*next > horizon) return e.setFinished(true);
                continue;
            }
            if (*next > now) break;
        }
        trial.setRegularStart(trial.NextStart());
    }
    if (e.MoveToNextDay()) {
        while (engine.CheckUnless(trial)) {
            const DateTime moved = whenOf(trial.NextStart()).addDays(1);
            if (moved > horizon) return e.setFinished(true);
            trial.setNextStart(moved.toDate());
        }
    }
    e.setNextStart(trial.NextStart());
    e.setRegularStart(trial.RegularStart());
}

class RandomEvents {
public:
    explicit RandomEvents(unsigned seed) : rng_(seed) {}

    int pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
    bool chance(double p) { return std::bernoulli_distribution(p)(rng_); }

    DateTime anyMoment(int fromYear, int toYear)
    {
        const DateTime from = at(fromYear, 1, 1);
        const int64_t span = at(toYear, 1, 1).seconds() - from.seconds();
        const int64_t offset = std::uniform_int_distribution<int64_t>(0, span)(rng_);
        // Mostly whole minutes, as the editor makes them.
        return from.addSeconds(chance(0.9) ? offset / 60 * 60 : offset);
    }

    std::shared_ptr<CPlent> event()
    {
        auto e = std::make_shared<CPlent>();
        e->setRetryMode(static_cast<int16_t>(pick(2, 7)));
        e->setRetry(static_cast<int16_t>(chance(0.03) ? pick(-2, 0) : pick(1, maxRetry(e->RetryMode()))));
        const DateTime anchor = anyMoment(2020, 2027);
        e->setNextStart(anchor.toDate());
        if (chance(0.5)) e->setRegularStart(anchor.addDays(-pick(0, 3)).toDate());
        e->setMoveToNextDay(chance(0.4));
        rule(*e);
        return e;
    }

    // A pause of up to some thousand grid steps, sometimes none at all.
    DateTime now(const CPlent& e)
    {
        const DateTime start = whenOf(e.NextStart());
        if (chance(0.1)) return start.addSeconds(-pick(0, 86400 * 40));
        const int64_t unit = e.RetryMode() <= RetryMode::Weeks ? unitSeconds(e.RetryMode()) : 30 * 86400;
        const int64_t steps = pick(0, 4000) * std::max<int64_t>(1, e.Retry());
        return start.addSeconds(std::uniform_int_distribution<int64_t>(0, steps * unit)(rng_));
    }

private:
    static int maxRetry(int16_t mode)
    {
        switch (mode) {
        case RetryMode::Minutes: return 150;
        case RetryMode::Hours: return 50;
        case RetryMode::Days: return 12;
        case RetryMode::Weeks: return 5;
        case RetryMode::Months: return 14;
        default: return 3;
        }
    }
    static int64_t unitSeconds(int16_t mode)
    {
        switch (mode) {
        case RetryMode::Minutes: return 60;
        case RetryMode::Hours: return 3600;
        case RetryMode::Days: return 86400;
        default: return 7 * 86400;
        }
    }

    void rule(CPlent& e)
    {
        for (int i = pick(0, 5); i > 0; --i) {
            const int w = pick(1, 7);
            if (!e.Unless().WeekDays().Item(std::to_string(w))) excludeWeekDay(e, w);
        }
        for (int i = pick(0, 6); i > 0; --i) {
            const int month = chance(0.5) ? 0 : pick(1, 12);
            const int day = chance(0.15) ? 32 : pick(1, 31);
            auto m = e.Unless().Months().Item(std::to_string(month));
            if (!m || !m->Days().Item(std::to_string(day))) excludeDay(e, month, day);
        }
        e.Unless().setFromTable(chance(0.3));
        if (chance(0.4)) window(e);
    }

    // Mostly windows that some grid point can meet: a window that shuts out
    // every point runs both searches to their end, which the plain loop
    // takes long to reach.
    void window(CPlent& e)
    {
        if (chance(0.1)) {
            e.setFrom(static_cast<int16_t>(pick(-100, 2500)));
            e.setTo(static_cast<int16_t>(pick(-100, 2500)));
        } else {
            // Wide enough for every phase the grid takes in a day.
            const int stepMinutes = std::max<int>(1, e.Retry()) * (e.RetryMode() == RetryMode::Hours ? 60 : 1);
            const int from = pick(0, 1439);
            const int to = (from + pick(std::min(std::gcd(stepMinutes, 1440), 1439), 1439)) % 1440;
            e.setFrom(static_cast<int16_t>(from / 60 * 100 + from % 60));
            e.setTo(static_cast<int16_t>(to / 60 * 100 + to % 60));
        }
        if (e.MoveToNextDay() && chance(0.8)) e.setMoveToNextDay(false);
    }

    std::mt19937 rng_;
};

// Every candidate the trace skipped or moved on is one the unless rule holds
// at, by a test the trace names.
void expectTheRuleHoldsWhereTheTraceSaysSo(ClockedSchedule& engine, const CPlent& prototype,
                                           const Plent::StartTrace& trace, int i)
{
    for (const auto& step : trace.steps) {
        if (step.rule != Plent::StartTrace::Rule::Skipped && step.rule != Plent::StartTrace::Rule::Moved) continue;
        CPlent at = prototype;
        at.setNextStart(step.before.toDate());
        ASSERT_TRUE(engine.CheckUnless(at)) << "event " << i;
        ASSERT_NE(step.hit.test, Plent::UnlessHit::Test::None) << "event " << i;
    }
}

} // namespace

TEST(NextStartEquivalence, MatchesTheStepByStepRuleOnRandomEventsRulesAndPauses)
{
    QTemporaryDir dir;
    const std::string table = dir.filePath("Pelmor.tab").toStdString();
    RandomEvents random(20261224);
    {
        std::ofstream out(table, std::ios::binary);
        for (int i = 0; i < 300; ++i) {
            const Platform::CivilDateTime c = random.anyMoment(2020, 2040).civil();
            out << c.day << '.' << c.month << '.' << c.year << " holiday\r\n";
        }
    }
    ClockedSchedule engine;
    engine.setUnlessTable(table);
    Platform::FixedClock clock(at(2019, 1, 1));
    engine.UnlessFromTable(table, date(2019, 1, 1)); // read once, before every date in it

    for (int i = 0; i < 2000; ++i) {
        const auto prototype = random.event();
        clock.set(random.now(*prototype));
        CPlent fast = *prototype;
        CPlent reference = *prototype;
        CPlent traced = *prototype;
        engine.CalcNextStart(fast);
        referenceCalcNextStart(engine, reference);
        Plent::StartTrace trace;
        engine.schedule().calcNextStart(traced, Platform::Clock::now(), &trace);
        ASSERT_EQ(fast.Finished(), reference.Finished()) << "event " << i;
        ASSERT_EQ(fast.NextStart(), reference.NextStart()) << "event " << i;
        ASSERT_EQ(fast.RegularStart(), reference.RegularStart()) << "event " << i;
        ASSERT_EQ(traced.NextStart(), fast.NextStart()) << "event " << i;
        ASSERT_EQ(traced.Finished(), fast.Finished()) << "event " << i;
        expectTheRuleHoldsWhereTheTraceSaysSo(engine, *prototype, trace, i);
    }
}
