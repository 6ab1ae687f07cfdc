// The engine's hand-out and next-start paths at the sizes the runner meets:
// ten thousand events polled every five seconds, and events whose grid has
// not been advanced for a long pause. They run on the scheduling core, which
// the engine hands its one reading of the clock per call.
#include <benchmark/benchmark.h>

#include <string>

#include "Plent/scheduling/Schedule.h"

using namespace Plent;
using Platform::DateTime;

namespace {

const DateTime Now = DateTime::fromCivil(2026, 12, 5, 10, 0); // a Saturday

// No rule of these events reads the table.
Schedule newSchedule() { return Schedule(nullptr); }

std::shared_ptr<CPlent> addDaily(Schedule& schedule, int i, DateTime nextStart)
{
    auto e = std::make_shared<CPlent>();
    e->setRetryMode(RetryMode::Days);
    e->setRetry(1);
    e->setNextStart(nextStart.toDate());
    e->setParameter("run " + std::to_string(i));
    return schedule.Events().Add(e, "event " + std::to_string(i));
}

void excludeWeekDay(CPlent& e, int weekDay)
{
    e.Unless().WeekDays().Add(std::make_shared<CWeekDay>(), std::to_string(weekDay))->setWeekDay(static_cast<int16_t>(weekDay));
}

// (a) One poll over 10,000 events of which none is due.
void ActivEventNoneDue(benchmark::State& state)
{
    Schedule schedule = newSchedule();
    for (int i = 0; i < 10000; ++i) addDaily(schedule, i, Now.addHours(1 + i % 100));
    schedule.activate(Now); // the run's start-up pass
    for (auto _ : state) benchmark::DoNotOptimize(schedule.activate(Now));
}
BENCHMARK(ActivEventNoneDue)->Unit(benchmark::kMicrosecond);

// (b) The next start of an event on a one-minute grid, not advanced for a
// year, that must not start on weekends; now is a Saturday.
void CalcNextStartAfterAYear(benchmark::State& state)
{
    Schedule schedule = newSchedule();
    auto e = addDaily(schedule, 0, Now);
    e->setRetryMode(RetryMode::Minutes);
    excludeWeekDay(*e, 7);
    excludeWeekDay(*e, 1);
    const Platform::Date yearAgo = Now.addYears(-1).addMinutes(7).toDate();
    for (auto _ : state) {
        e->setNextStart(yearAgo);
        e->setRegularStart(yearAgo);
        schedule.calcNextStart(*e, Now);
        benchmark::DoNotOptimize(e->NextStart());
    }
    if (DateTime::fromDate(e->NextStart()) != DateTime::fromCivil(2026, 12, 7)) state.SkipWithError("wrong next start");
}
BENCHMARK(CalcNextStartAfterAYear)->Unit(benchmark::kMicrosecond);

// (c) One poll (ActivEvent until it gives "") that hands out 1,000 due
// events spread among 10,000; the argument is their delay in minutes, and
// a delay makes each hand-out measure its lateness in real time.
void PollThousandDueAmongTenThousand(benchmark::State& state)
{
    Schedule schedule = newSchedule();
    std::vector<std::shared_ptr<CPlent>> due;
    for (int i = 0; i < 10000; ++i) {
        auto e = addDaily(schedule, i, Now.addHours(1));
        e->setDelay(static_cast<int16_t>(state.range(0)));
        if (i % 10 == 9) due.push_back(e);
    }
    for (auto _ : state) {
        state.PauseTiming();
        schedule.Events(); // what follows changes the events
        for (const auto& e : due) {
            e->setNextStart(Now.addMinutes(-30).toDate());
            e->setRegularStart(0);
        }
        state.ResumeTiming();
        int handedOut = 0;
        while (!schedule.activate(Now).identifier.empty()) ++handedOut;
        if (handedOut != 1000) state.SkipWithError("wrong number of hand-outs");
    }
}
BENCHMARK(PollThousandDueAmongTenThousand)->Arg(0)->Arg(60)->Unit(benchmark::kMillisecond);

} // namespace
