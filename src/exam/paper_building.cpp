#include "exam/paper_building.h"

#include <algorithm>
#include <chrono>
#include <numeric>
#include <random>

using namespace runtime;

String RuleGroupOf(const String &as_cx)
{
    if (as_cx == "C1" || as_cx == "C2" || as_cx == "C3" || as_cx == "C4" || as_cx == "C5")
        return "C1";
    if (as_cx == "A1" || as_cx == "A3" || as_cx == "B1")
        return "A1";
    if (as_cx == "A2" || as_cx == "B2")
        return "B2";
    return as_cx;
}

std::vector<long> RandomOrder(long n)
{
    std::vector<long> order(static_cast<size_t>(std::max(0L, n)));
    std::iota(order.begin(), order.end(), 1L);
    // Seeded from the clock, so that every paper is a new draw.
    static std::mt19937_64 generator(
        static_cast<unsigned long long>(std::chrono::high_resolution_clock::now().time_since_epoch().count()));
    std::shuffle(order.begin(), order.end(), generator);
    return order;
}

void WriteOrder(Transaction &t, const std::vector<long> &order)
{
    std::vector<Row> rows;
    rows.reserve(order.size());
    for (size_t i = 0; i < order.size(); ++i)
        rows.push_back({static_cast<long>(i + 1), order[i]});
    t.ExecuteMany("insert into t_mno(id,mno) values(?,?)", rows);
}

String CompositionStatement(const String &tx, long count, long fl, long jfl)
{
    return "insert into t_kzmn(mno,tx,answer,choice1,choice2,choice3,choice4,pic,txt,picflag) "
           " select "
           " a.mno,d.tx,d.answer,d.choice1,d.choice2,d.choice3,d.choice4,d.pic,d.txt,d.picflag from t_mno a,t_jfl c, t_tk005 d"
           " where c.fl=d.fl and c.xh=d.fl1 and d.fl=" +
           String(fl) + " and d.fl1=" + String(jfl) + " and d.tx='" + tx + "' and a.mno=d.mno order by a.id limit " +
           String(count);
}
