// The windows of an examination as the learner opens them, in the trainer
// itself on xcb (trainer_probe windows 5, see trainer_probe.cpp): the class
// window as the menu opens it, the examination from Enter there, and the
// result window listing 100 wrong answers from "确认交卷". One iteration is
// one new process taking five examinations; its time is the CPU time from
// Enter in the class window to the painted examination, the first after
// start-up. The counters are the means over the processes of every figure
// the probe gives: wall clock, CPU time and page faults of each window, the
// first and (…_again_…) the median of the next four.
#include "trainer_probe_run.h"

#include <benchmark/benchmark.h>

namespace {

void BM_ExamWindowsInTrainerOnXcb(benchmark::State &state)
{
    std::map<std::string, double> sums;
    long runs = 0;
    for (auto _ : state) {
        auto figures = bench::RunTrainerProbe({"windows", "5"});
        if (figures.count("result_cpu_ms") == 0) {
            state.SkipWithError("trainer_probe did not finish (is xvfb-run installed?)");
            break;
        }
        state.SetIterationTime(figures["open_exam_cpu_ms"] * 1e-3);
        for (const auto &[name, value] : figures)
            sums[name] += value;
        ++runs;
    }
    for (const auto &[name, sum] : sums)
        state.counters[name] = sum / runs;
}

} // namespace

BENCHMARK(BM_ExamWindowsInTrainerOnXcb)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);
