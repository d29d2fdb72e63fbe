// Building an examination paper from banks of 1,000 to 100,000 questions,
// side by side:
//
//   WindowsPathOneTransaction   the class window's own way (BuildPaper): only
//                               the chapters the rules draw from are read, only
//                               the drawn questions written to t_mno
//   WholeBankOrderOneTransaction the baseline: the paper built through the
//                               whole bank's order, done well: a random
//                               order of every number up to the largest in
//                               the bank written to t_mno by one prepared
//                               statement, then the composition statements,
//                               all in the same one transaction as the
//                               window's way
//   AutocommitEachStatement     that order written one autocommitted
//                               statement per number: what the disk adds
//
// The headline is WholeBankOrderOneTransaction against
// WindowsPathOneTransaction: same transaction, same statements to compose,
// only the order of the whole bank against that of the drawn questions.
#include "bench_database.h"

#include "dataobjects/dataobjects.h"
#include "exam/paper_building.h"

#include <benchmark/benchmark.h>

using namespace runtime;

namespace {

// The compositions of the rule group, as the class window's script reads
// them: for each rule, each type with a count above 0.
template <class Compose>
void forEachComposition(DataStore &rules, const String &sqlnew, Compose compose)
{
    rules.SetSQLSelect(sqlnew + " where cx='C1' order by fl,jfl");
    const long rows = rules.Retrieve();
    for (long r = 1; r <= rows; ++r) {
        const char *types[][2] = {{"1", "tx1_sl"}, {"2", "tx2_sl"}, {"0", "tx3_sl"}};
        for (const auto &type : types) {
            const long count = Long(rules.GetItemString(r, type[1]));
            if (count > 0)
                compose(CompositionStatement(type[0], count, static_cast<long>(rules.GetItemNumber(r, "fl")),
                                             static_cast<long>(rules.GetItemNumber(r, "jfl"))));
        }
    }
}

// The whole bank's order in t_mno, in one transaction.
void buildPaperWholeBankOrder(Transaction &t, DataStore &rules, const String &sqlnew)
{
    TransactionScope paper(t, ScopeEnd::Commit);
    t.ExecuteImmediate("delete from t_kzmn ");
    t.ExecuteImmediate("delete from t_mno ");
    long n = 0;
    t.SelectInto("select max ( mno ) from t_tk005 ", {}, n);
    WriteOrder(t, RandomOrder(n));
    forEachComposition(rules, sqlnew, [&](const String &statement) { t.ExecuteImmediate(statement); });
}

// The same order, every statement committing by itself.
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
    forEachComposition(rules, sqlnew, [&](const String &statement) { t.ExecuteImmediate(statement); });
}

enum class Way { WindowsPath, WholeBankOrder, StatementByStatement };

void BM_BuildPaper(benchmark::State &state, Way way)
{
    Transaction t;
    BenchDatabase::Connect(t, state.range(0));
    DataStore rules(d_kznr_new());
    rules.SetTransObject(t);
    const String sqlnew = rules.GetSQLSelect();
    for (auto _ : state) {
        switch (way) {
        case Way::WindowsPath: BuildPaper(t, rules, sqlnew, "C1"); break;
        case Way::WholeBankOrder: buildPaperWholeBankOrder(t, rules, sqlnew); break;
        case Way::StatementByStatement: buildPaperStatementByStatement(t, rules, sqlnew); break;
        }
        if (t.SQLCode != 0)
            state.SkipWithError("the paper failed");
    }
    long rows = 0;
    t.SelectInto("select count(*) from t_kzmn", {}, rows);
    state.counters["questions"] = static_cast<double>(rows);
}

} // namespace

BENCHMARK_CAPTURE(BM_BuildPaper, WindowsPathOneTransaction, Way::WindowsPath)
    ->Arg(1000)->Arg(5000)->Arg(20000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_BuildPaper, WholeBankOrderOneTransaction, Way::WholeBankOrder)
    ->Arg(1000)->Arg(5000)->Arg(20000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_BuildPaper, AutocommitEachStatement, Way::StatementByStatement)
    ->Arg(1000)->Arg(5000)->Arg(20000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(1);
