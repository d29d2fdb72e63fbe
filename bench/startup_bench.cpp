// Start-up inside an already running process, on the offscreen platform, up
// to the frame's first paint event: connecting, filling the system record,
// opening the frame (title, status bar, toolbar, navigation bar) and painting
// it. Not measured: starting the process, loading Qt and the fonts, and
// showing on a real screen. Two networks: one that answers "nothing" at once,
// and a name server that never answers (the frame must not wait for it).
#include "app/globals.h"
#include "start/app.h"
#include "bench_database.h"
#include "frame/w_main.h"
#include "runtime/net/inet.h"
#include "runtime/win32/module.h"
#include "event_counter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace runtime;

static void BM_WarmStartupToFirstPaintOffscreen(benchmark::State &state, bool siteSilent)
{
    std::vector<PageDone> neverAnswered;
    // The program folder: a copy of a 1000-question bank named as the program names it.
    QTemporaryDir folder;
    const QString database = folder.path() + "/vqb005.dat";
    QFile::copy(QString::fromStdString(BenchDatabase::File(1000)), database);
    SetModuleFileName(folder.path().toStdString() + "/app.exe");
    if (siteSilent)
        SetPageFetcher([&](const String &, auto done) { neverAnswered.push_back(std::move(done)); });
    else
        SetPageFetcher([](const String &, auto done) { done(std::nullopt); });
    theApp().create();

    for (auto _ : state) {
        if (!theApp().open()) {
            state.SkipWithError("start-up failed");
            break;
        }
        EventCounter counter{QEvent::Paint};
        w_main->Canvas()->installEventFilter(&counter);
        while (counter.count == 0)
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
BENCHMARK_CAPTURE(BM_WarmStartupToFirstPaintOffscreen, NoNetwork, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WarmStartupToFirstPaintOffscreen, SilentNameServer, true)->Unit(benchmark::kMillisecond);
