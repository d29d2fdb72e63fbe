// Many single writes: one prepared statement in one transaction against one
// autocommitted statement per row.
#include "bench_database.h"

#include <benchmark/benchmark.h>

using namespace runtime;

static void BM_WriteRows_OneTransaction(benchmark::State &state)
{
    Transaction t;
    BenchDatabase::Connect(t, 1000);
    const long n = state.range(0);
    std::vector<Row> rows;
    for (long i = 1; i <= n; ++i)
        rows.push_back({i, n + 1 - i});
    for (auto _ : state) {
        t.ExecuteImmediate("delete from t_mno ");
        t.ExecuteMany("insert into t_mno(id,mno) values(?,?)", rows);
    }
    state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(BM_WriteRows_OneTransaction)->Arg(1000)->Unit(benchmark::kMillisecond);

static void BM_WriteRows_AutocommitEach(benchmark::State &state)
{
    Transaction t;
    BenchDatabase::Connect(t, 1000);
    const long n = state.range(0);
    for (auto _ : state) {
        t.ExecuteImmediate("delete from t_mno ");
        for (long i = 1; i <= n; ++i)
            t.ExecuteImmediate("insert into t_mno(id,mno) values(" + String(i) + "," + String(n + 1 - i) + ")");
    }
    state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(BM_WriteRows_AutocommitEach)->Arg(1000)->Unit(benchmark::kMillisecond)->Iterations(2);

static void BM_Decipher(benchmark::State &state)
{
    const String stored = of_encrypt("驾驶机动车在高速公路上行驶，遇有雾、雨、雪、沙尘、冰雹等低能见度气象条件时，应当降低速度。");
    for (auto _ : state)
        benchmark::DoNotOptimize(of_decrypt(stored));
}
BENCHMARK(BM_Decipher);
