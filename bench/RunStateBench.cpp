// What keeping the run state adds to the runner's work: recording a poll
// and writing the state file, and reading a changed event file again with
// the state merged in.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include <chrono>
#include <string>
#include <vector>

#include "Plent/engine/CPlentEngine.h"
#include "Plent/engine/RunnerSession.h"
#include "Platform/dates/Clock.h"

using namespace Plent;

namespace {

constexpr int Events = 10000;
constexpr int Due = 100;
const Platform::DateTime Now = Platform::DateTime::fromCivil(2026, 5, 4, 12, 0, 0);

// Daily events, every hundredth of them due now, the rest tomorrow.
void saveEvents(const std::string& path)
{
    CPlentEngine engine;
    for (int i = 0; i < Events; ++i) {
        auto e = engine.Plents().Add(std::make_shared<CPlent>(), "Event " + std::to_string(i));
        e->setDescription("Nightly backup of the project files");
        e->setParameter("/usr/bin/backup --target /srv/backup --quiet");
        e->setRetryMode(RetryMode::Days);
        e->setRetry(1);
        e->setNextStart(Now.toDate() + (i % (Events / Due) == 0 ? -1.0 / 24 : 1));
    }
    engine.SaveObjects(path);
}

void makeDueAgain(CPlentEngine& engine)
{
    for (int i = 0; i < Events; i += Events / Due) {
        auto e = engine.Plents().Item("Event " + std::to_string(i));
        e->setNextStart(Now.toDate() - 1.0 / 24);
        e->setRegularStart(0);
    }
}

double secondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// A runner's session on the sample file, at a fixed time.
class SampleRun {
public:
    SampleRun() : session_(engine_)
    {
        saveEvents(file_);
        session_.OpenEventFile(file_, report_);
    }

    // Hands out every due event as the runner does, recording the poll and
    // its starts; answers the seconds the recording took.
    double poll()
    {
        auto start = std::chrono::steady_clock::now();
        session_.BeginPoll();
        const double begin = secondsSince(start);
        std::vector<PendingStart> starts;
        while (const auto handOut = engine_.NextHandOut())
            starts.push_back({"run " + handOut->identifier, handOut->identifier, handOut->parameter, handOut->due});
        start = std::chrono::steady_clock::now();
        session_.RecordStarts(starts);
        session_.EndPoll(report_);
        return begin + secondsSince(start);
    }
    void resave() const { saveEvents(file_); }
    void follow() { session_.FollowEventFile(report_); }
    CPlentEngine& engine() { return engine_; }
    void check(benchmark::State& state) const
    {
        if (!report_.empty()) state.SkipWithError(report_.front().c_str());
    }

private:
    Platform::FixedClock clock_{Now};
    QTemporaryDir dir_;
    std::string file_ = dir_.filePath("Pelmor.dat").toStdString();
    CPlentEngine engine_;
    RunnerSession session_;
    std::vector<std::string> report_;
};

// The poll's own hand-outs are not counted: only the recording around them
// and the write of the state file.
void BM_RecordPollAndWriteState(benchmark::State& state)
{
    SampleRun run;
    for (auto _ : state) {
        makeDueAgain(run.engine());
        state.SetIterationTime(run.poll());
    }
    run.check(state);
}
BENCHMARK(BM_RecordPollAndWriteState)->UseManualTime()->Unit(benchmark::kMillisecond);

// A poll of the runner with nothing due, the recording around it included.
void BM_IdlePoll(benchmark::State& state)
{
    SampleRun run;
    run.poll();
    for (auto _ : state) benchmark::DoNotOptimize(run.poll());
    run.check(state);
}
BENCHMARK(BM_IdlePoll)->Unit(benchmark::kMicrosecond);

// The state holds the hundred events a poll handed out; the file changes
// (a save puts a new file in its place) before every reload.
void BM_ReloadChangedFileWithState(benchmark::State& state)
{
    SampleRun run;
    run.poll();
    for (auto _ : state) {
        state.PauseTiming();
        run.resave();
        state.ResumeTiming();
        run.follow();
    }
    run.check(state);
    state.counters["events"] = run.engine().Plents().Count();
}
BENCHMARK(BM_ReloadChangedFileWithState)->Unit(benchmark::kMillisecond);

} // namespace
