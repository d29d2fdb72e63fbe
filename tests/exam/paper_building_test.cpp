#include "exam/paper_building.h"

#include "app/globals.h"
#include "dataobjects/dataobjects.h"
#include "replaced.h"
#include "runtime/script/random.h"
#include "test_database.h"

#include <gtest/gtest.h>

#include <map>

#include <algorithm>
#include <set>

using namespace runtime;

TEST(RuleGroup, ClassesMapToTheirGroups)
{
    struct Case {
        const char *cx, *group;
    } cases[] = {{"C1", "C1"}, {"C3", "C1"}, {"C5", "C1"}, {"A1", "A1"}, {"A3", "A1"}, {"B1", "A1"},
                 {"A2", "B2"}, {"B2", "B2"}, {"D", "D"},   {"", ""},     {"c1", "c1"}};
    for (const auto &c : cases)
        EXPECT_EQ(RuleGroupOf(c.cx), c.group) << c.cx;
}

TEST(RandomOrder, IsAPermutationAndVaries)
{
    const auto a = RandomOrder(500);
    auto sorted = a;
    std::sort(sorted.begin(), sorted.end());
    for (long i = 0; i < 500; ++i)
        ASSERT_EQ(sorted[static_cast<size_t>(i)], i + 1);
    EXPECT_NE(a, RandomOrder(500));
    EXPECT_TRUE(RandomOrder(0).empty());
    EXPECT_TRUE(RandomOrder(-4).empty());
}

// Every choice of the candidates, in every order, comes up about equally
// often: 20 ordered pairs of 5 candidates over 20,000 draws, about 1,000
// each (the bound is generous: a fault gives 0 or 2,000).
TEST(DrawInOrder, EveryOrderedChoiceIsEquallyLikely)
{
    std::map<std::pair<long, long>, int> seen;
    for (int i = 0; i < 20000; ++i) {
        const auto d = DrawInOrder({1, 2, 3, 4, 5}, 2);
        ASSERT_EQ(d.size(), 2u);
        ++seen[{d[0], d[1]}];
    }
    EXPECT_EQ(seen.size(), 20u);
    for (const auto &[pair, times] : seen)
        EXPECT_NEAR(times, 1000, 250) << pair.first << "," << pair.second;
    EXPECT_EQ(DrawInOrder({7, 8}, 5).size(), 2u); // fewer than asked: all of them
    EXPECT_TRUE(DrawInOrder({7, 8}, 0).empty());
}

class Composition : public testing::Test {
protected:
    void SetUp() override { db.connectSqlca(); }
    void TearDown() override { sqlca.Disconnect(); }

    // Draws an order and runs one composition statement; returns the
    // question numbers copied, in t_kzmn's order of mno.
    std::vector<long> compose(const char *tx, long count, long fl, long jfl)
    {
        sqlca.ExecuteImmediate("delete from t_kzmn ");
        sqlca.ExecuteImmediate("delete from t_mno ");
        long n = 0;
        sqlca.SelectInto("select max ( mno ) from t_tk005 ", {}, n);
        WriteOrder(sqlca, RandomOrder(n));
        EXPECT_EQ(sqlca.SQLCode, 0);
        sqlca.ExecuteImmediate(CompositionStatement(tx, count, fl, jfl));
        EXPECT_EQ(sqlca.SQLCode, 0) << ToUtf8(sqlca.SQLErrText);
        std::vector<long> mnos;
        for (const auto &row : sqlca.Query("select mno, zdanswer, errorflag, analyse from t_kzmn order by mno").rows) {
            mnos.push_back(row[0].toLong());
            EXPECT_EQ(row[1].toString(), "0");
            EXPECT_TRUE(row[2].isNull());
            EXPECT_TRUE(row[3].isNull());
        }
        return mnos;
    }

    TempDatabase db;
};

TEST_F(Composition, CopiesTheFirstQuestionsOfTheTypeInDrawOrder)
{
    // Chapter 1.1 holds single-choice questions 4, 5 and 6.
    std::set<std::vector<long>> seen;
    for (int i = 0; i < 30; ++i) {
        const auto mnos = compose("1", 2, 1, 1);
        ASSERT_EQ(mnos.size(), 2u);
        for (long m : mnos)
            EXPECT_TRUE(m >= 4 && m <= 6) << m;
        seen.insert(mnos);
    }
    EXPECT_GT(seen.size(), 1u); // the draw decides which two
    // Asking for more than there are copies all of them, and no more.
    EXPECT_EQ(compose("0", 40, 1, 1), (std::vector<long>{7, 8}));
    EXPECT_EQ(compose("2", 5, 1, 2), (std::vector<long>{11, 12}));
    // A chapter pair outside the chapter list copies nothing.
    EXPECT_TRUE(compose("1", 5, 9, 9).empty());
}

// With the seeds fixed, as a test fixes them, every paper is the same draw,
// in the same order.
TEST_F(Composition, AFixedSeedDrawsTheSamePaperAgain)
{
    Replaced seeds(SetSeedSource, [] { return 7ull; });
    DataStore rules(d_kznr_new());
    rules.SetTransObject(sqlca);
    const String select = rules.GetSQLSelect();
    std::vector<std::vector<long>> papers;
    for (int paper = 0; paper < 2; ++paper) {
        BuildPaper(sqlca, rules, select, "C1");
        ASSERT_EQ(sqlca.SQLCode, 0) << ToUtf8(sqlca.SQLErrText);
        RandomOrder(50); // draws between papers change nothing
        papers.emplace_back();
        for (const auto &row : sqlca.Query("select mno from t_kzmn order by rowid").rows)
            papers.back().push_back(row[0].toLong());
    }
    EXPECT_FALSE(papers[0].empty());
    EXPECT_EQ(papers[0], papers[1]);
}

TEST_F(Composition, OrderOfAnEmptyBankIsEmpty)
{
    sqlca.ExecuteImmediate("delete from t_tk005");
    long n = 0;
    sqlca.SelectInto("select max ( mno ) from t_tk005 ", {}, n);
    EXPECT_EQ(n, 0);
    WriteOrder(sqlca, RandomOrder(n));
    EXPECT_EQ(sqlca.SQLCode, 0);
}

// Every class that the class list offers gets a full paper from the project's
// own bank: the program's BuildPaper, by the class's rule group, draws 100
// different questions, each rule's count of each type, and two papers in a
// row differ.
TEST(RealBankPapers, EveryClassOfTheListDrawsOneHundredDifferentQuestions)
{
    TempDatabase db(bank::ReadBank(SOURCE_DIR "/data", SOURCE_DIR "/resources/images"));
    db.connectSqlca();
    DataStore classes(d_cx());
    classes.SetTransObject(sqlca);
    ASSERT_GE(classes.Retrieve(), 9);
    DataStore rules(d_kznr_new());
    rules.SetTransObject(sqlca);
    const String ls_sqlnew = rules.GetSQLSelect();
    for (long c = 1; c <= classes.RowCount(); ++c) {
        const String cx = classes.GetItemString(c, "name"), group = RuleGroupOf(cx);
        std::set<std::vector<long>> papers;
        for (int paper = 0; paper < 2; ++paper) {
            const long ll_rules = BuildPaper(sqlca, rules, ls_sqlnew, group);
            ASSERT_EQ(sqlca.SQLCode, 0) << ToUtf8(cx) << ": " << ToUtf8(sqlca.SQLErrText);
            ASSERT_GT(ll_rules, 0) << ToUtf8(cx);
            std::vector<long> mnos;
            for (const auto &row : sqlca.Query("select mno from t_kzmn order by mno").rows)
                mnos.push_back(row[0].toLong());
            EXPECT_EQ(mnos.size(), 100u) << ToUtf8(cx);
            EXPECT_EQ(std::set<long>(mnos.begin(), mnos.end()).size(), 100u) << ToUtf8(cx);
            // Each rule gave its count of each type from its own chapter.
            for (long r = 1; r <= ll_rules; ++r) {
                const long fl = static_cast<long>(rules.GetItemNumber(r, "fl"));
                const long jfl = static_cast<long>(rules.GetItemNumber(r, "jfl"));
                const char *types[][2] = {{"1", "tx1_sl"}, {"2", "tx2_sl"}, {"0", "tx3_sl"}};
                for (const auto &type : types) {
                    long n = 0;
                    sqlca.SelectInto("select count(*) from t_kzmn k, t_tk005 t where t.mno = k.mno and t.fl = ? and "
                                     "t.fl1 = ? and t.tx = ?",
                                     {fl, jfl, String(type[0])}, n);
                    EXPECT_EQ(n, std::max(0L, Long(rules.GetItemString(r, type[1]))))
                        << ToUtf8(cx) << " " << fl << "." << jfl;
                }
            }
            papers.insert(mnos);
        }
        EXPECT_EQ(papers.size(), 2u) << ToUtf8(cx);
    }
    sqlca.Disconnect();
}
