// Start-up to the frame's first paint, with no network: connecting, filling
// the system record, opening the frame (title, status bar, toolbar,
// navigation bar, the page fetch answering nothing at once) and painting it.
#include "app/app.h"
#include "app/globals.h"
#include "bench_database.h"
#include "frame/w_main.h"
#include "runtime/net/inet.h"
#include "runtime/win32/module.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <benchmark/benchmark.h>

using namespace runtime;

namespace {

// Counts the paints of a widget.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

} // namespace

static void BM_StartupToFirstPaint(benchmark::State &state)
{
    // The program folder: a copy of a 1000-question bank named as the program names it.
    QTemporaryDir folder;
    const QString database = folder.path() + "/vqb005.dat";
    QFile::copy(QString::fromStdString(BenchDatabase::File(1000)), database);
    SetModuleFileName(FromQString(folder.path() + "/app.exe"));
    SetPageFetcher([](const String &, auto done) { done(std::nullopt); });
    theApp().create();

    for (auto _ : state) {
        if (!theApp().open()) {
            state.SkipWithError("start-up failed");
            break;
        }
        PaintCounter counter;
        w_main->Canvas()->installEventFilter(&counter);
        while (counter.paints == 0)
            QCoreApplication::processEvents();

        state.PauseTiming();
        w_main->Canvas()->removeEventFilter(&counter);
        Close(w_main);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        sqlca.Disconnect();
        state.ResumeTiming();
    }
    SetPageFetcher(nullptr);
    SetModuleFileName("");
}
BENCHMARK(BM_StartupToFirstPaint)->Unit(benchmark::kMillisecond);
