#pragma once
#include <benchmark/benchmark.h>

#include <QApplication>

// The main of a benchmark whose subjects are widgets: they need a
// QApplication, on the offscreen platform unless QT_QPA_PLATFORM says
// otherwise.
inline int RunOffscreenBenchmarks(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
