#include "abendloggenerator.h"

#include "engine/engine.h"
#include "settings/datadirectory.h"
#include "ui/recordingdialogs.h"

#include <benchmark/benchmark.h>
#include <QFile>
#include <QTemporaryDir>

namespace {

// A data directory, an engine and a generated log file of the given number of entries.
struct Setup {
    explicit Setup(int entries) {
        DataDirectory::setOverride(home.path());
        engine.create();
        engine.firstActivation();
        path = home.filePath(QStringLiteral("ABEND.LOG"));
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        bytes = file.write(abendloggen::generate(entries));
    }
    QTemporaryDir home;
    RecordingDialogs dialogs;  // answers No: the whole log is scanned
    NullProgress progress;
    Engine engine{dialogs, progress};
    QString path;
    qint64 bytes = 0;
};

}  // namespace

// Reads, splits and scans logs of growing size; bytes per second must stay flat up to the
// 50 MB log of 100,000 entries, which shows the whole load is linear.
static void BM_OpenAbendLog(benchmark::State& state) {
    Setup setup(int(state.range(0)));
    for (auto _ : state) {
        setup.engine.abendLog().openLogFile(setup.path);
        benchmark::DoNotOptimize(setup.engine.abendLog().view().entries.size());
    }
    state.SetBytesProcessed(state.iterations() * setup.bytes);
    state.counters["entries"] = double(setup.engine.abendLog().view().entries.size());
}
BENCHMARK(BM_OpenAbendLog)
    ->Arg(12500)
    ->Arg(25000)
    ->Arg(50000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond);

// Analyses the newest entry of a log: the search of the file view for its key runs over the
// whole text, so this too must grow linearly with the size.
static void BM_AnalyzeNewestEntry(benchmark::State& state) {
    Setup setup(int(state.range(0)));
    AbendLog& log = setup.engine.abendLog();
    log.openLogFile(setup.path);
    const int newest = int(log.view().entries.size()) - 1;
    for (auto _ : state) {
        log.analyzeEntry(newest);
        benchmark::DoNotOptimize(log.view().AbendAnalysis.size());
    }
    state.SetBytesProcessed(state.iterations() * setup.bytes);
}
BENCHMARK(BM_AnalyzeNewestEntry)->Arg(25000)->Arg(100000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
