// Building an examination paper from banks of 1,000 to 100,000 questions:
// the class window's own path (only the chapters the rules draw from are
// read, only the drawn questions written, all in one transaction) against
// the plain way, one autocommitted statement per question number of the
// whole bank and per composition.
#include "bench_database.h"

#include "dataobjects/dataobjects.h"
#include "exam/paper_building.h"

#include <benchmark/benchmark.h>

using namespace runtime;

namespace {

// The straightforward way: every statement commits by itself.
void buildPaperStatementByStatement(Transaction &t, DataStore &rules, const String &sqlnew)
{
    t.ExecuteImmediate("delete from t_kzmn ");
    t.ExecuteImmediate("delete from t_mno ");
    long n = 0;
    t.SelectInto("select max ( mno ) from t_tk005 ", {}, n);
    const std::vector<long> order = RandomOrder(n);
    for (size_t i = 0; i < order.size(); ++i)
        t.ExecuteImmediate("insert into t_mno(id,mno) values(" + String(static_cast<long>(i + 1)) + "," +
                           String(order[i]) + ")");
    rules.SetSQLSelect(sqlnew + " where cx='C1' order by fl,jfl");
    const long rows = rules.Retrieve();
    for (long r = 1; r <= rows; ++r) {
        const char *types[][2] = {{"1", "tx1_sl"}, {"2", "tx2_sl"}, {"0", "tx3_sl"}};
        for (const auto &type : types) {
            const long count = Long(rules.GetItemString(r, type[1]));
            if (count > 0)
                t.ExecuteImmediate(CompositionStatement(type[0], count, static_cast<long>(rules.GetItemNumber(r, "fl")),
                                                        static_cast<long>(rules.GetItemNumber(r, "jfl"))));
        }
    }
}

void BM_BuildPaper(benchmark::State &state, bool windowsPath)
{
    Transaction t;
    BenchDatabase::Connect(t, state.range(0));
    DataStore rules(d_kznr_new());
    rules.SetTransObject(t);
    const String sqlnew = rules.GetSQLSelect();
    for (auto _ : state) {
        if (windowsPath)
            BuildPaper(t, rules, sqlnew, "C1");
        else
            buildPaperStatementByStatement(t, rules, sqlnew);
        if (t.SQLCode != 0)
            state.SkipWithError("the paper failed");
    }
    long rows = 0;
    t.SelectInto("select count(*) from t_kzmn", {}, rows);
    state.counters["questions"] = static_cast<double>(rows);
}

} // namespace

BENCHMARK_CAPTURE(BM_BuildPaper, WindowsPathOneTransaction, true)
    ->Arg(1000)->Arg(5000)->Arg(20000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_BuildPaper, AutocommitEachStatement, false)
    ->Arg(1000)->Arg(5000)->Arg(20000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(1);
