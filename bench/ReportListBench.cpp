#include <benchmark/benchmark.h>

#include "OffscreenBenchmarks.h"

#include "Platform/ui/ReportList.h"

#include <QApplication>

namespace {

void shownList(Platform::ReportList& list)
{
    for (const char* h : {"identifier", "description", "next start", "last start", "last status"})
        list.addColumn(h);
    list.resize(720, 240);
    list.show();
}

QList<QStringList> eventRows(int count)
{
    QList<QStringList> rows;
    rows.reserve(count);
    for (int n = 0; n < count; ++n) {
        const QString id = QString::number(n);
        rows.append({id, "event " + id, "01.02.2024 08:30:00", "00:00:00", "still open"});
    }
    return rows;
}

} // namespace

// Rebuilding the event list window: the rows of a 10,000-event collection are
// made, replace every row at once, and the shown list is laid out and
// painted again.
static void BM_RebuildTenThousandRows(benchmark::State& state)
{
    Platform::ReportList list;
    shownList(list);
    const int count = static_cast<int>(state.range(0));
    for (auto _ : state) {
        list.setRows(eventRows(count));
        QCoreApplication::processEvents();
    }
    state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_RebuildTenThousandRows)->Arg(10000)->Unit(benchmark::kMillisecond);

// The list's own share of that: rows made beforehand.
static void BM_ResetTenThousandRows(benchmark::State& state)
{
    Platform::ReportList list;
    shownList(list);
    const QList<QStringList> rows = eventRows(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        list.setRows(rows);
        QCoreApplication::processEvents();
    }
    state.SetItemsProcessed(state.iterations() * rows.size());
}
BENCHMARK(BM_ResetTenThousandRows)->Arg(10000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) { return RunOffscreenBenchmarks(argc, argv); }
