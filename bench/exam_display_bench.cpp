// The next question as the learner pays for it: key 7 pressed in the
// examination window, delivered as the X server delivers it (through Qt's
// window-system interface, so the whole of Qt's key delivery runs), the
// window's key script, "下一题" (the question is unanswered, so nothing is
// judged) showing the next question, and the paint of the window up to the
// frame handed to the window system. The time is the CPU time of the whole
// process (every thread) per key, over fresh papers of the project's own bank
// (pictures and all, each paper opened through the class window and stepped
// through once from question 1 to 100, as a learner does), with the window
// maximized on a 1280×1024 screen (bench_main sets one up offscreen; run the
// benchmarks under an X server with QT_QPA_PLATFORM=xcb for the xcb path).
//
// KeyThatDoesNothing is the same key path for a key the window ignores: what
// any key costs before the program does anything.
//
// BM_KeyToPaintedQuestionInTrainerOnXcb is the same key 7 in the trainer
// itself, frame and all, on xcb, in its first examination after start-up
// (trainer_probe keys, see trainer_probe.cpp): glyphs and pictures not seen
// before are drawn and decoded as the questions bring them. One iteration is
// one new process stepping through its paper; the time is its CPU time per
// key, idle_key_us the same for a key the window ignores.
//
// BM_ServerKeyToPaintedQuestionInTrainerOnXcb is that again as a learner
// presses the keys, the whole of what a key costs the trainer: each key comes
// after a pause of 50 ms, with the process at rest and its caches cold, and
// is pressed and released through the X server (XTest), which delivers it to
// the focused window; Qt's xcb thread reads it and wakes the main thread,
// which runs the key and paints. The time is the process's CPU from the press
// to the window painted after the release; idle_key_us is a key the window
// ignores, the same way.
#include "bench_database.h"
#include "exam_driver.h"
#include "trainer_probe_run.h"

#include "app/expression_functions.h"
#include "app/globals.h"
#include "exam/w_mnkz_2012.h"
#include "runtime/net/inet.h"
#include "runtime/ui/halt.h"
#include "runtime/ui/messagebox.h"
#include "event_counter.h"
#include "x11_keys.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

#include <string>

using namespace runtime;

namespace {

void BM_KeyToPaintedQuestion(benchmark::State &state, const X11Key &key)
{
    BenchDatabase::ConnectFile(sqlca, BenchDatabase::RealBankFile());
    RegisterExpressionFunctions();
    SetPageFetcher([](const String &, auto done) { done(std::nullopt); });
    SetMessageBoxHandler([](const MessageBoxRequest &) { return 1; });
    SetHaltHandler([](int) {});

    EventCounter cardPaints{QEvent::Paint};
    long keys = 0, papers = 0, pictures = 0;
    auto openPaper = [&] {
        bench::OpenExamination();
        w_mnkz_2012->dw_1->installEventFilter(&cardPaints);
        pictures += bench::PicturesOfPaper();
        ++papers;
    };
    openPaper();
    for (auto _ : state) {
        // The learner has reached the last question: a new paper.
        if (w_mnkz_2012->dw_2->GetRow() >= w_mnkz_2012->dw_2->RowCount()) {
            state.PauseTiming();
            bench::CloseExamination();
            openPaper();
            state.ResumeTiming();
        }
        const bench::CpuClock clock;
        bench::PressAndPaint(w_mnkz_2012->widget(), key);
        state.SetIterationTime(clock.Seconds());
        ++keys;
    }
    state.counters["card_paints_per_key"] = static_cast<double>(cardPaints.count) / std::max(keys, 1L);
    state.counters["pictures_per_paper"] = static_cast<double>(pictures) / papers;
    bench::CloseExamination();
    SetHaltHandler(nullptr);
    SetMessageBoxHandler(nullptr);
    SetPageFetcher(nullptr);
    sqlca.Disconnect();
}

// Runs trainer_probe in mode and reads key (key 7) and idle (a key the window
// ignores) from what it printed.
void keysInTrainerOnXcb(benchmark::State &state, const char *mode, const std::string &key, const std::string &idleKey)
{
    double idle = 0, pictures = 0;
    long runs = 0;
    for (auto _ : state) {
        auto figures = bench::RunTrainerProbe({mode});
        if (figures[key] <= 0) {
            state.SkipWithError("trainer_probe did not finish (is xvfb-run installed?)");
            break;
        }
        state.SetIterationTime(figures[key] * 1e-6);
        idle += figures[idleKey];
        pictures += figures["pictures"];
        ++runs;
    }
    if (runs > 0) {
        state.counters["idle_key_us"] = idle / runs;
        state.counters["pictures_per_paper"] = pictures / runs;
    }
}

void BM_KeyToPaintedQuestionInTrainerOnXcb(benchmark::State &state)
{
    keysInTrainerOnXcb(state, "keys", "key7_us", "idle_key_us");
}

void BM_ServerKeyToPaintedQuestionInTrainerOnXcb(benchmark::State &state)
{
    keysInTrainerOnXcb(state, "serverkeys", "server_key7_us", "server_idle_key_us");
}

const X11Key kSeven = x11::Digit(7);

} // namespace

BENCHMARK_CAPTURE(BM_KeyToPaintedQuestion, Key7, kSeven)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_KeyToPaintedQuestion, KeyThatDoesNothing, x11::LetterA)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_KeyToPaintedQuestionInTrainerOnXcb)->UseManualTime()->Iterations(5)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ServerKeyToPaintedQuestionInTrainerOnXcb)
    ->UseManualTime()
    ->Iterations(5)
    ->Unit(benchmark::kMicrosecond);
