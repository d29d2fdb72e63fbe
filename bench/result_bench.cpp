// Opening the result window over a paper of 100 wrong answers: the score,
// the list's retrieval and, on painting, the deciphering of every text the
// list shows. Measured for the first screen the learner sees, and for the
// whole list (every row's cells, as scrolling to the end would show them).
#include "bench_database.h"

#include "app/expression_functions.h"
#include "app/globals.h"
#include "exam/w_jj.h"
#include "runtime/net/inet.h"

#include <QCoreApplication>
#include <QPixmap>
#include <benchmark/benchmark.h>

using namespace runtime;

namespace {

// silentSite: the maker's site never answers; the window must not wait.
void BM_OpenResult(benchmark::State &state, bool wholeList, bool silentSite = false)
{
    std::vector<PageDone> neverAnswered;
    BenchDatabase::Connect(sqlca, 2000);
    RegisterExpressionFunctions();
    if (silentSite)
        SetPageFetcher([&](const String &, auto done) { neverAnswered.push_back(std::move(done)); });
    else
        SetPageFetcher([](const String &, auto done) { done(std::nullopt); });
    sqlca.ExecuteImmediate("delete from t_kzmn");
    sqlca.ExecuteImmediate("insert into t_kzmn (mno, tx, answer, zdanswer, choice1, choice2, choice3, choice4, txt, pic, "
                           "picflag, errorflag) select mno, tx, answer, case when answer = '1' then '2' else '1' end, "
                           "choice1, choice2, choice3, choice4, txt, pic, picflag, '1' from t_tk005 where mno <= 100");
    long rows = 0;
    for (auto _ : state) {
        Open(w_jj);
        DataWindow &list = *w_jj->dw_1;
        list.grab(); // the first screen, deciphered as it paints
        if (wholeList)
            for (long r = 1; r <= list.RowCount(); ++r)
                for (const char *cell : {"compute_6", "compute_1", "compute_3"})
                    benchmark::DoNotOptimize(list.EvaluateFor(cell, r));
        rows = list.RowCount();
        Close(w_jj);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    state.counters["listed"] = static_cast<double>(rows);
    SetPageFetcher(nullptr);
    sqlca.Disconnect();
}

} // namespace

BENCHMARK_CAPTURE(BM_OpenResult, FirstScreen, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenResult, WholeList, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenResult, FirstScreenSilentSite, false, true)->Unit(benchmark::kMillisecond);
