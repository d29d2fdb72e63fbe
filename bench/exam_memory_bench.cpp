// Memory over many examinations in a row, as a learner takes them one after
// the other: the class window, the paper built, every question shown and
// answered, the paper handed in and the result window closed. Reports the
// resident size after examinations 1, 2, 10 and 30 and the peak, in MB; the
// size should stay flat once the first examinations have warmed the caches.
#include "bench_database.h"

#include "app/expression_functions.h"
#include "app/globals.h"
#include "exam/w_jj.h"
#include "exam/w_jj_enter.h"
#include "exam/w_login_2012.h"
#include "exam/w_mnkz_2012.h"
#include "runtime/net/inet.h"
#include "runtime/ui/halt.h"
#include "runtime/ui/messagebox.h"

#include <QComboBox>
#include <QEventLoop>
#include <QTest>
#include <QTimer>
#include <benchmark/benchmark.h>

#include <fstream>
#include <string>

using namespace runtime;

namespace {

// A field of /proc/self/status (VmRSS, VmHWM) in MB.
double statusMegabytes(const std::string &field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(field + ":", 0) == 0)
            return std::stod(line.substr(field.size() + 1)) / 1024.0;
    return 0;
}

// Starts the peak (VmHWM) afresh from the present size.
void resetPeak() { std::ofstream("/proc/self/clear_refs") << "5"; }

// Lets the event loop run once, as the program's own loop does between the
// learner's actions: posted events, deferred deletions.
void idle()
{
    QEventLoop loop;
    QTimer::singleShot(0, &loop, &QEventLoop::quit);
    loop.exec();
}

// Picks the class in the class window from inside its own loop and presses
// "确定", which builds the paper and opens the examination.
void chooseClass(const char *code)
{
    QTimer::singleShot(0, [code] {
        auto *list = static_cast<QComboBox *>(w_login_2012->ddlb_1.widget());
        list->setCurrentIndex(list->findText(QString(code) + "--", Qt::MatchStartsWith));
        QTest::mouseClick(w_login_2012->cb_1.widget(), Qt::LeftButton);
    });
    Open(w_login_2012);
}

void takeExam()
{
    chooseClass("C1");
    class w_mnkz_2012 &exam = *w_mnkz_2012;
    for (long row = 1; row <= exam.dw_2->RowCount(); ++row) {
        exam.f_display(static_cast<int>(row));
        exam.widget()->grab(); // painted, pictures and all
        const String right = exam.dw_2->GetItemString(row, "answer");
        for (char digit : std::string(ToUtf8(right)))
            QTest::keyClick(exam.cb_jj.widget(), static_cast<Qt::Key>(Qt::Key_0 + (digit - '0')));
        idle();
    }
    QTest::mouseClick(exam.cb_jj.widget(), Qt::LeftButton);
    QTest::mouseClick(w_jj_enter->cb_2.widget(), Qt::LeftButton); // hand in
    w_jj->widget()->grab();
    idle();
    QTest::mouseClick(w_jj->cb_2.widget(), Qt::LeftButton); // close the result
    idle();
}

void BM_ExamsInARow(benchmark::State &state)
{
    BenchDatabase::ConnectFile(sqlca, BenchDatabase::RealBankFile());
    RegisterExpressionFunctions();
    SetPageFetcher([](const String &, auto done) { done(std::nullopt); });
    SetMessageBoxHandler([](const MessageBoxRequest &) { return 1; });
    SetHaltHandler([](int) {});
    const int exams = static_cast<int>(state.range(0));
    for (auto _ : state) {
        resetPeak();
        for (int n = 1; n <= exams; ++n) {
            takeExam();
            if (n == 1 || n == 2 || n == 10 || n == exams)
                state.counters["rss_after_" + std::to_string(n)] = statusMegabytes("VmRSS");
        }
        state.counters["peak"] = statusMegabytes("VmHWM");
    }
    SetHaltHandler(nullptr);
    SetMessageBoxHandler(nullptr);
    SetPageFetcher(nullptr);
    sqlca.Disconnect();
}

} // namespace

BENCHMARK(BM_ExamsInARow)->Arg(30)->Iterations(1)->Unit(benchmark::kSecond);
