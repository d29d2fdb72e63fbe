#include "exam/paper_building.h"

#include "runtime/script/random.h"

#include <algorithm>
#include <numeric>
#include <random>
#include <set>
#include <string>
#include <tuple>

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

namespace {

// Seeded from the clock, and again for every paper, so that every paper is
// a new draw.
std::mt19937_64 &generator()
{
    static std::mt19937_64 g(NewSeed());
    return g;
}

} // namespace

std::vector<long> RandomOrder(long n)
{
    std::vector<long> order(static_cast<size_t>(std::max(0L, n)));
    std::iota(order.begin(), order.end(), 1L);
    std::shuffle(order.begin(), order.end(), generator());
    return order;
}

std::vector<long> DrawInOrder(std::vector<long> candidates, long count)
{
    // The first steps of a shuffle: each step takes one of the candidates
    // left, all equally likely, so the drawn ones are any `count` of them in
    // any order, each choice as likely as the other.
    const size_t n = std::min(candidates.size(), static_cast<size_t>(std::max(0L, count)));
    for (size_t i = 0; i < n; ++i) {
        std::uniform_int_distribution<size_t> pick(i, candidates.size() - 1);
        std::swap(candidates[i], candidates[pick(generator())]);
    }
    candidates.resize(n);
    return candidates;
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
    TransactionScope paper(t, ScopeEnd::Commit);
    generator().seed(NewSeed());

    // The previous paper goes.
    t.ExecuteImmediate("delete from t_kzmn ");
    t.ExecuteImmediate("delete from t_mno ");
    t.Commit();

    // The group's rules in chapter order.
    dw_rules.SetSQLSelect(as_sqlnew + " where cx='" + as_group + "' order by fl,jfl");
    const long ll_rules = dw_rules.Retrieve();

    struct Composition {
        const char *tx;
        long count, fl, jfl;
    };
    std::vector<Composition> compositions;
    for (long r = 1; r <= ll_rules; ++r) {
        const long ll_fl = static_cast<long>(dw_rules.GetItemNumber(r, "fl"));
        const long ll_jfl = static_cast<long>(dw_rules.GetItemNumber(r, "jfl"));
        const struct {
            const char *tx, *column;
        } types[] = {{"1", "tx1_sl"}, {"2", "tx2_sl"}, {"0", "tx3_sl"}};
        for (const auto &type : types) {
            const long ll_sl = Long(dw_rules.GetItemString(r, type.column));
            if (ll_sl > 0)
                compositions.push_back({type.tx, ll_sl, ll_fl, ll_jfl});
        }
    }

    // The draw: t_mno holds the questions each composition takes, in the
    // random order they are drawn. Only the questions a rule can take are
    // read, through the chapter index, and only those drawn are written, so
    // a paper costs the size of its rules' chapters, not of the whole bank.
    // A rule's questions are all equally likely, their order uniform.
    std::vector<long> drawn;
    std::set<std::tuple<long, long, std::string>> drawnFor;
    for (const Composition &c : compositions) {
        if (!drawnFor.insert({c.fl, c.jfl, c.tx}).second)
            continue; // a repeated rule takes the same questions again
        std::vector<long> candidates;
        for (const Row &row : t.Query("select d.mno from t_tk005 d, t_jfl c where c.fl=d.fl and c.xh=d.fl1 "
                                      "and d.fl=? and d.fl1=? and d.tx=?",
                                      {c.fl, c.jfl, String(c.tx)})
                                  .rows)
            candidates.push_back(row[0].toLong());
        if (t.SQLCode != 0)
            return ll_rules; // the failure stays in t.SQLCode
        const std::vector<long> mine = DrawInOrder(std::move(candidates), c.count);
        drawn.insert(drawn.end(), mine.begin(), mine.end());
    }
    WriteOrder(t, drawn);
    if (t.SQLCode != 0)
        return ll_rules; // a draw not written would copy nothing, and say nothing
    t.Commit();

    // Per rule the first questions of each type in the order drawn.
    for (const Composition &c : compositions)
        t.ExecuteImmediate(CompositionStatement(c.tx, c.count, c.fl, c.jfl));
    return ll_rules;
}
