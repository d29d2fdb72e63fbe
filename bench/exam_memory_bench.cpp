// Memory over 30 examinations in a row as a learner takes them, measured on
// the trainer itself: a new process with the frame open behind the
// examinations, on xcb (trainer_probe exams 30, see trainer_probe.cpp). Each
// examination goes through the class window, is stepped through question by
// question with key 7, handed in unanswered, so that its result window lists
// 100 wrong answers, and that window closed. Counters, in MiB: the resident
// size (smaps_rollup) after examinations 1, 2, 10 and 30, and its anonymous
// part (what is not pages of files: the font's pages that new characters
// bring are); the growth from examination 2 to 30, which should stay within
// 1 MiB once the first examinations have warmed the caches; and the peak,
// the most the process held since it started, start-up included, which
// should stay within 64 MiB: as the kernel keeps it (VmHWM, exact to within
// its per-processor counts) and as sampled exactly after every question and
// window (peak_sampled).
#include "trainer_probe_run.h"

#include <benchmark/benchmark.h>

namespace {

void BM_ExamsInARowOnXcb(benchmark::State &state)
{
    const int exams = static_cast<int>(state.range(0));
    for (auto _ : state) {
        auto figures = bench::RunTrainerProbe({"exams", QString::number(exams)});
        if (figures.count("peak") == 0) {
            state.SkipWithError("trainer_probe did not finish (is xvfb-run installed?)");
            break;
        }
        for (const auto &[name, value] : figures)
            state.counters[name] = value;
        state.counters["growth_2_to_" + std::to_string(exams)] =
            figures["rss_after_" + std::to_string(exams)] - figures["rss_after_2"];
    }
}

} // namespace

BENCHMARK(BM_ExamsInARowOnXcb)->Arg(30)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();
