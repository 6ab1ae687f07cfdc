#include <benchmark/benchmark.h>

#include <QJsonDocument>
#include <QTemporaryDir>

#include <fstream>

#include "Plent/history/HistoryFile.h"
#include "Plent/history/HistoryReader.h"

namespace Key = History::Key;

namespace {

constexpr int Runs = 10000;

QJsonObject handOut(int run)
{
    return {{Key::Run, QString::number(run)},           {Key::Time, "2026-05-01 02:00:00"},
            {Key::Identifier, "backup"},                {Key::Command, "/usr/bin/backup --all /home"},
            {Key::Outcome, History::Outcome::Started}, {Key::Pid, 4242}};
}

QJsonObject end(int run)
{
    return {{Key::Run, QString::number(run)}, {Key::ExitStatus, 0}, {Key::Seconds, 12.5}, {Key::Output, QString(200, 'o')}};
}

// A full history as a runner leaves it: every run with its end.
void writeFull(const std::string& path, int runs)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    for (int i = 0; i < runs; ++i) {
        out << QJsonDocument(handOut(i)).toJson(QJsonDocument::Compact).toStdString() << '\n';
        out << QJsonDocument(end(i)).toJson(QJsonDocument::Compact).toStdString() << '\n';
    }
}

// What `pelmorctl history` reads before it prints.
void BM_ReadAFullHistory(benchmark::State& state)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath("Pelmor.history").toStdString();
    writeFull(path, Runs);
    for (auto _ : state) benchmark::DoNotOptimize(History::HistoryReader::read(path).runs.size());
}
BENCHMARK(BM_ReadAFullHistory)->Unit(benchmark::kMillisecond);

// One record as the runner writes it, synced to the disk.
void BM_AppendOneLine(benchmark::State& state)
{
    QTemporaryDir dir;
    History::HistoryFile file(dir.filePath("Pelmor.history").toStdString());
    int run = 0;
    for (auto _ : state) file.append(end(++run));
}
BENCHMARK(BM_AppendOneLine)->Unit(benchmark::kMicrosecond);

// The append that passes the bound and rewrites the file with the newer half.
void BM_AppendPastTheBound(benchmark::State& state)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath("Pelmor.history").toStdString();
    for (auto _ : state) {
        state.PauseTiming();
        writeFull(path, Runs);
        History::HistoryFile file(path);
        file.append(end(0));
        state.ResumeTiming();
        file.append(handOut(Runs));
    }
}
BENCHMARK(BM_AppendPastTheBound)->Unit(benchmark::kMillisecond);

} // namespace
