// Building an examination paper from a large bank: all its writes in one
// transaction, the random order by one prepared statement, against one
// autocommitted statement per number and per composition.
#include "bench_database.h"

#include "exam/paper_building.h"

#include <benchmark/benchmark.h>

#include <optional>

using namespace runtime;

namespace {

void buildPaper(Transaction &t, bool oneTransaction)
{
    std::optional<WriteGroup> group;
    if (oneTransaction)
        group.emplace(t);
    t.ExecuteImmediate("delete from t_kzmn ");
    t.ExecuteImmediate("delete from t_mno ");
    t.Commit();
    long n = 0;
    t.SelectInto("select max ( mno ) from t_tk005 ", {}, n);
    const std::vector<long> order = RandomOrder(n);
    if (oneTransaction) {
        WriteOrder(t, order);
    } else {
        for (size_t i = 0; i < order.size(); ++i)
            t.ExecuteImmediate("insert into t_mno(id,mno) values(" + String(static_cast<long>(i + 1)) + "," +
                               String(order[i]) + ")");
    }
    t.Commit();
    const ResultSet rules = t.Query("select fl, jfl, tx1_sl, tx2_sl, tx3_sl from t_kznr where cx='C1' order by fl,jfl");
    for (const Row &r : rules.rows) {
        const char *types[] = {"1", "2", "0"};
        for (int k = 0; k < 3; ++k) {
            const long count = Long(r[static_cast<size_t>(2 + k)].toString());
            if (count > 0)
                t.ExecuteImmediate(CompositionStatement(types[k], count, r[0].toLong(), r[1].toLong()));
        }
    }
    t.Commit();
}

void BM_BuildPaper(benchmark::State &state, bool oneTransaction)
{
    Transaction t;
    BenchDatabase::Connect(t, state.range(0));
    for (auto _ : state)
        buildPaper(t, oneTransaction);
    long rows = 0;
    t.SelectInto("select count(*) from t_kzmn", {}, rows);
    state.counters["questions"] = static_cast<double>(rows);
}

} // namespace

BENCHMARK_CAPTURE(BM_BuildPaper, OneTransaction, true)->Arg(5000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_BuildPaper, AutocommitEachRow, false)->Arg(5000)->Unit(benchmark::kMillisecond)->Iterations(1);
