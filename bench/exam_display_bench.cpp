// Showing the next question in the examination window over a full paper of
// 100 questions: the script that shows it (the answer card recoloured cell by
// cell, the question's texts and buttons) and the paint that follows, up to
// the moment the learner sees the new question.
#include "bench_database.h"

#include "app/expression_functions.h"
#include "app/globals.h"
#include "dataobjects/dataobjects.h"
#include "exam/paper_building.h"
#include "exam/w_mnkz_2012.h"
#include "runtime/net/inet.h"
#include "runtime/ui/halt.h"
#include "runtime/ui/messagebox.h"
#include "event_counter.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

#include <chrono>

using namespace runtime;

namespace {

void BM_ShowNextQuestion(benchmark::State &state)
{
    BenchDatabase::ConnectFile(sqlca, BenchDatabase::RealBankFile());
    RegisterExpressionFunctions();
    SetPageFetcher([](const String &, auto done) { done(std::nullopt); });
    SetMessageBoxHandler([](const MessageBoxRequest &) { return 1; });
    SetHaltHandler([](int) {});
    DataStore rules(d_kznr_new());
    rules.SetTransObject(sqlca);
    BuildPaper(sqlca, rules, rules.GetSQLSelect(), "C1");

    Open(w_mnkz_2012);
    class w_mnkz_2012 &exam = *w_mnkz_2012;
    QCoreApplication::processEvents(); // the window's first paint
    EventCounter cardPaints{QEvent::Paint};
    exam.dw_1->installEventFilter(&cardPaints);
    const long rows = exam.dw_2->RowCount();
    long row = 1;
    long shown = 0;
    std::chrono::nanoseconds script{}, paint{};
    for (auto _ : state) {
        row = row % rows + 1;
        const auto start = std::chrono::steady_clock::now();
        exam.f_display(static_cast<int>(row));
        const auto scriptEnd = std::chrono::steady_clock::now();
        QCoreApplication::processEvents(); // the paint the learner waits for
        paint += std::chrono::steady_clock::now() - scriptEnd;
        script += scriptEnd - start;
        ++shown;
    }
    // Where the time goes: the script, and the paints that follow it.
    if (shown > 0) {
        state.counters["script_us"] = std::chrono::duration<double, std::micro>(script).count() / shown;
        state.counters["paint_us"] = std::chrono::duration<double, std::micro>(paint).count() / shown;
    }
    state.counters["card_paints_per_question"] = shown ? static_cast<double>(cardPaints.count) / shown : 0;
    state.counters["questions"] = static_cast<double>(rows);
    exam.dw_1->removeEventFilter(&cardPaints);
    Close(w_mnkz_2012);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    SetHaltHandler(nullptr);
    SetMessageBoxHandler(nullptr);
    SetPageFetcher(nullptr);
    sqlca.Disconnect();
}

} // namespace

BENCHMARK(BM_ShowNextQuestion)->Unit(benchmark::kMicrosecond);
