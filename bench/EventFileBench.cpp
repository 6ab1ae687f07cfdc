#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "Plent/model/EventFile.h"

using namespace Plent;

namespace {

constexpr int Events = 10000;

// Events as the editor builds them: a command line, a repetition and a small
// unless rule (the last day of every month and the weekend).
colPlents sampleEvents()
{
    colPlents plents;
    for (int i = 0; i < Events; ++i) {
        auto p = plents.Add(std::make_shared<CPlent>(), "Event " + std::to_string(i));
        p->setDescription("Nightly backup of the project files");
        p->setParameter("C:\\Tools\\backup.exe /target:D:\\Backup /quiet");
        p->setNextStart(45000.5 + i);
        p->setRetryMode(RetryMode::Days);
        p->setRetry(1);
        auto month = p->Unless().Months().Add(std::make_shared<CMonth>(), "0");
        month->Days().Add(std::make_shared<CDay>(), "32")->setDay(32);
        p->Unless().WeekDays().Add(std::make_shared<CWeekDay>(), "7")->setWeekDay(7);
        p->Unless().WeekDays().Add(std::make_shared<CWeekDay>(), "1")->setWeekDay(1);
    }
    return plents;
}

class TempFile {
public:
    TempFile()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "eventfile-bench-XXXXXX").string();
        dir_ = ::mkdtemp(pattern.data());
    }
    ~TempFile() { std::filesystem::remove_all(dir_); }
    std::string path() const { return (dir_ / "Pelmor.dat").string(); }

private:
    std::filesystem::path dir_;
};

void BM_SaveEvents(benchmark::State& state)
{
    const colPlents plents = sampleEvents();
    TempFile file;
    for (auto _ : state) EventFile::Save(plents, file.path());
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(file.path()));
}
BENCHMARK(BM_SaveEvents)->Unit(benchmark::kMillisecond);

void BM_LoadEvents(benchmark::State& state)
{
    TempFile file;
    EventFile::Save(sampleEvents(), file.path());
    for (auto _ : state) {
        auto plents = std::make_unique<colPlents>();
        std::vector<std::string> notices;
        EventFile::Load(*plents, file.path(), notices);
        benchmark::DoNotOptimize(plents->Count());
        // Releasing the events is no part of loading them.
        state.PauseTiming();
        plents.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_LoadEvents)->Unit(benchmark::kMillisecond);

} // namespace
