#include "exam/paper_building.h"

#include "app/globals.h"
#include "test_database.h"

#include <gtest/gtest.h>

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

TEST_F(Composition, OrderOfAnEmptyBankIsEmpty)
{
    sqlca.ExecuteImmediate("delete from t_tk005");
    long n = 0;
    sqlca.SelectInto("select max ( mno ) from t_tk005 ", {}, n);
    EXPECT_EQ(n, 0);
    WriteOrder(sqlca, RandomOrder(n));
    EXPECT_EQ(sqlca.SQLCode, 0);
}

// Papers drawn from the project's own bank by each group's rules hold 100
// questions, and two papers in a row differ.
TEST(RealBankPapers, EachGroupDrawsOneHundredDifferentQuestions)
{
    TempDatabase db(bank::ReadBank(SOURCE_DIR "/data", SOURCE_DIR "/resources/images"));
    db.connectSqlca();
    for (const char *group : {"C1", "A1", "B2"}) {
        std::set<std::vector<long>> papers;
        for (int paper = 0; paper < 3; ++paper) {
            WriteGroup writes(sqlca);
            sqlca.ExecuteImmediate("delete from t_kzmn ");
            sqlca.ExecuteImmediate("delete from t_mno ");
            long n = 0;
            sqlca.SelectInto("select max ( mno ) from t_tk005 ", {}, n);
            WriteOrder(sqlca, RandomOrder(n));
            const auto rules =
                sqlca.Query("select fl, jfl, tx1_sl, tx2_sl, tx3_sl from t_kznr where cx=? order by fl,jfl", {String(group)});
            for (const Row &r : rules.rows) {
                const char *types[] = {"1", "2", "0"};
                for (size_t k = 0; k < 3; ++k)
                    if (Long(r[2 + k].toString()) > 0)
                        sqlca.ExecuteImmediate(CompositionStatement(types[k], Long(r[2 + k].toString()), r[0].toLong(), r[1].toLong()));
            }
            std::vector<long> mnos;
            for (const auto &row : sqlca.Query("select mno from t_kzmn order by mno").rows)
                mnos.push_back(row[0].toLong());
            EXPECT_EQ(mnos.size(), 100u) << group;
            papers.insert(mnos);
        }
        EXPECT_EQ(papers.size(), 3u) << group;
    }
    sqlca.Disconnect();
}
