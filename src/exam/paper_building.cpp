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

long BuildPaper(Transaction &t, DataStore &dw_rules, const String &as_sqlnew, const String &as_group)
{
    WriteGroup writes(t);

    // The previous paper goes.
    t.ExecuteImmediate("delete from t_kzmn ");
    t.ExecuteImmediate("delete from t_mno ");
    t.Commit();

    // Every number up to the largest question number takes part in the draw.
    long ll_count = 0;
    t.SelectInto("select max ( mno ) from t_tk005 ", {}, ll_count);
    WriteOrder(t, RandomOrder(ll_count));
    t.Commit();

    // The group's rules in chapter order.
    dw_rules.SetSQLSelect(as_sqlnew + " where cx='" + as_group + "' order by fl,jfl");
    const long ll_rules = dw_rules.Retrieve();

    // Per rule the first questions of each type in the order drawn.
    for (long r = 1; r <= ll_rules; ++r) {
        const long ll_fl = static_cast<long>(dw_rules.GetItemNumber(r, "fl"));
        const long ll_jfl = static_cast<long>(dw_rules.GetItemNumber(r, "jfl"));
        const struct {
            const char *tx, *column;
        } types[] = {{"1", "tx1_sl"}, {"2", "tx2_sl"}, {"0", "tx3_sl"}};
        for (const auto &type : types) {
            const long ll_sl = Long(dw_rules.GetItemString(r, type.column));
            if (ll_sl > 0)
                t.ExecuteImmediate(CompositionStatement(type.tx, ll_sl, ll_fl, ll_jfl));
        }
    }
    return ll_rules;
}
