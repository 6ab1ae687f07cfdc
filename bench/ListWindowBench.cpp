// The event list window at the sizes the runner meets: filling it with ten
// thousand events and sizing its columns to them, and one poll that hands out a hundred of them while the
// window is open, each hand-out rebuilding the list.
#include <benchmark/benchmark.h>

#include "OffscreenBenchmarks.h"

#include <QApplication>

#include <string>
#include <vector>

#include "Plent/engine/CPlentEngine.h"
#include "Plent/windows/ListColumnWidths.h"
#include "Plent/windows/PlentRowTexts.h"
#include "Platform/dates/Clock.h"
#include "Platform/ui/ReportList.h"

using namespace Plent;
using Platform::DateTime;

namespace {

const DateTime Now = DateTime::fromCivil(2026, 12, 5, 10, 0);
constexpr int EventCount = 10000;
constexpr int DueCount = 100;

// Ten thousand daily events, none of them due, and the list window open.
struct OpenList {
    OpenList()
    {
        engine->Init(-1, 1000);
        for (int i = 0; i < EventCount; ++i) {
            auto e = CPlentEngine::NewPlent();
            e->setDescription("the event with the number " + std::to_string(i));
            e->setParameter("run " + std::to_string(i));
            e->setRetryMode(RetryMode::Days);
            e->setRetry(1);
            e->setNextStart(Now.addHours(1 + i % 100).toDate());
            e->setLastStart(Now.addDays(-1).toDate());
            events.push_back(engine->Plents().Add(e, "event " + std::to_string(i)));
        }
        engine->ShowEvents(0);
        QCoreApplication::processEvents();
    }
    ~OpenList()
    {
        if (auto window = engine->objShowEvents()) engine->setObjShowEvents(nullptr);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    Platform::FixedClock clock{Now};
    std::shared_ptr<CPlentEngine> engine = std::make_shared<CPlentEngine>();
    std::vector<std::shared_ptr<CPlent>> events;
};

} // namespace

// Every row's texts made anew: what the first fill after opening costs.
static void BM_FillListAllChanged(benchmark::State& state)
{
    OpenList list;
    double lastStart = Now.addDays(-1).toDate();
    for (auto _ : state) {
        state.PauseTiming();
        lastStart += 1.0 / 24;
        for (auto& e : list.events) e->setLastStart(lastStart);
        state.ResumeTiming();
        list.engine->objShowEvents()->FillList();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_FillListAllChanged)->Unit(benchmark::kMillisecond);

// What the first fill adds: the columns sized to ten thousand identifiers,
// the locale's date form and the status texts.
static void BM_FitColumns(benchmark::State& state)
{
    OpenList list;
    Platform::ReportList view;
    for (int c = 0; c < 5; ++c) view.addColumn("column");
    const PlentRowTexts texts;
    for (auto _ : state) ListColumnWidths::fit(view, list.engine->Plents(), texts);
}
BENCHMARK(BM_FitColumns)->Unit(benchmark::kMillisecond);

// A rebuild in which no event changed.
static void BM_FillListUnchanged(benchmark::State& state)
{
    OpenList list;
    for (auto _ : state) {
        list.engine->objShowEvents()->FillList();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_FillListUnchanged)->Unit(benchmark::kMillisecond);

// One poll as the runner makes it: ActivEvent until nothing is due, with 100
// due events spread over the list and a rebuild after each hand-out; then
// the window's own turn of the event loop.
static void BM_PollHandingOut100(benchmark::State& state)
{
    OpenList list;
    std::vector<std::shared_ptr<CPlent>> due;
    for (int i = 0; i < DueCount; ++i) due.push_back(list.events[static_cast<size_t>(i * (EventCount / DueCount) + 50)]);
    std::string description, parameter;
    bool alarm = false;
    int handedOut = 0;
    for (auto _ : state) {
        state.PauseTiming();
        for (auto& e : due) e->setNextStart(Now.addMinutes(-1).toDate());
        state.ResumeTiming();
        handedOut = 0;
        while (!list.engine->ActivEvent(description, parameter, alarm).empty()) ++handedOut;
        QCoreApplication::processEvents();
    }
    if (handedOut != DueCount) state.SkipWithError("not every due event was handed out");
}
BENCHMARK(BM_PollHandingOut100)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) { return RunOffscreenBenchmarks(argc, argv); }
