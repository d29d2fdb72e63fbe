// Start-up as the learner meets it: a new trainer process, from its start to
// its first painted frame, on the platform the benchmarks run on (offscreen
// unless QT_QPA_PLATFORM says otherwise). The process ends itself once that
// frame is painted (the runtime's RUNTIME_EXIT_AT_FIRST_PAINT), so the time
// covers loading the program, Qt and the fonts, connecting to a bank of 1000
// questions, opening the frame and painting it, and nothing after.
#include "bench_database.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void BM_ProcessStartToFirstPaint(benchmark::State &state)
{
    // The program folder as installed: the program beside its bank.
    QTemporaryDir folder;
    const QString program = folder.path() + "/trainer";
    QFile::copy(QStringLiteral(TRAINER_BINARY), program);
    QFile::copy(QString::fromStdString(BenchDatabase::File(1000)), folder.path() + "/vqb005.dat");

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("RUNTIME_EXIT_AT_FIRST_PAINT", "1");
    if (!environment.contains("QT_QPA_PLATFORM"))
        environment.insert("QT_QPA_PLATFORM", "offscreen");
    for (auto _ : state) {
        QProcess trainer;
        trainer.setProcessEnvironment(environment);
        trainer.setWorkingDirectory(folder.path());
        trainer.start(program, {});
        if (!trainer.waitForFinished(30000) || !trainer.readAllStandardOutput().contains("first paint")) {
            state.SkipWithError("the trainer did not report its first paint");
            break;
        }
    }
}

} // namespace

BENCHMARK(BM_ProcessStartToFirstPaint)->Unit(benchmark::kMillisecond)->UseRealTime();
