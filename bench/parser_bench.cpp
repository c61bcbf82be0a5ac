#include "reportgenerator.h"

#include "report/reportparser.h"

#include <benchmark/benchmark.h>

// Parses synthetic reports of growing size; bytes per second must stay flat as the module
// count grows, which shows the parse is linear.
static void BM_ParseReport(benchmark::State& state) {
    reportgen::Shape shape;
    shape.modules = int(state.range(0));
    shape.compact = state.range(1) != 0;
    shape.randomNames = state.range(2) != 0;
    const QStringList lines = reportgen::generate(shape);
    const ReportText text = ReportText::fromLines(lines);
    qint64 bytes = 0;
    for (const QString& line : lines) {
        bytes += line.size() + 2;
    }
    for (auto _ : state) {
        ServerModel model;
        MainViews views;
        ParseHooks hooks;
        NullProgress progress;
        model.ReportLines = text;
        ReportParser(model, views, hooks, progress).ParseReport(false);
        benchmark::DoNotOptimize(model.OtherModules.size());
    }
    state.SetBytesProcessed(state.iterations() * bytes);
}
BENCHMARK(BM_ParseReport)
    ->ArgNames({"modules", "compact", "random"})
    ->ArgsProduct({{1000, 10000, 100000}, {0, 1}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
