#include "dataobjects/dataobjects.h"

#include "app/expression_functions.h"
#include "app/globals.h"
#include "runtime/dw/datastore.h"

#include "test_database.h"

#include <gtest/gtest.h>

using namespace runtime;

namespace {

class DataObjectsTest : public testing::Test {
protected:
    void SetUp() override
    {
        db.connectSqlca();
        // A paper of the whole test bank, written in descending order.
        sqlca.Execute("insert into t_kzmn (mno, tx, answer, choice1, choice2, choice3, choice4, txt, pic, picflag) "
                      "select mno, tx, answer, choice1, choice2, choice3, choice4, txt, pic, picflag "
                      "from t_tk005 order by mno desc");
        ASSERT_EQ(sqlca.SQLCode, 0) << ToUtf8(sqlca.SQLErrText);
        sqlca.SelectInto("select count(*) from t_kzmn", {}, questions);
        ASSERT_GT(questions, 10);
    }
    void TearDown() override { sqlca.Disconnect(); }

    TempDatabase db;
    long questions = 0;
};

TEST_F(DataObjectsTest, QuestionViewShowsTrueFalseThenSingleThenMultiple)
{
    DataStore dw_2(d_kzmn());
    dw_2.SetTransObject(sqlca);
    ASSERT_EQ(dw_2.Retrieve(), questions);
    String lastTx = "9";
    long lastMno = 0;
    for (long row = 1; row <= dw_2.RowCount(); ++row) {
        const String tx = dw_2.GetItemString(row, "tx");
        const long mno = static_cast<long>(dw_2.GetItemNumber(row, "mno"));
        ASSERT_LE(tx, lastTx) << "row " << row;
        if (tx == lastTx) {
            EXPECT_GT(mno, lastMno) << "row " << row;
        }
        lastTx = tx;
        lastMno = mno;
        EXPECT_EQ(dw_2.GetItemString(row, "zdanswer"), "0"); // the table's default
    }
    EXPECT_EQ(dw_2.GetItemString(1, "tx"), "2");
    EXPECT_EQ(dw_2.GetItemString(dw_2.RowCount(), "tx"), "0");
    EXPECT_GT(dw_2.Find("tx='1'", 1, dw_2.RowCount()), 1);
}

TEST_F(DataObjectsTest, QuestionViewWritesAnswersBackByKey)
{
    DataStore dw_2(d_kzmn());
    dw_2.SetTransObject(sqlca);
    dw_2.Retrieve();
    const long mno = static_cast<long>(dw_2.GetItemNumber(3, "mno"));
    dw_2.SetItem(3, "zdanswer", String("2"));
    dw_2.SetItem(3, "errorflag", String("1"));
    dw_2.SetItem(3, "readme", String("never written"));
    EXPECT_EQ(dw_2.Update(), 1);

    String zdanswer, errorflag, readme = "x";
    sqlca.SelectInto("select zdanswer, errorflag, ifnull(readme, '') from t_kzmn where mno = ?", {mno}, zdanswer,
                     errorflag, readme);
    EXPECT_EQ(zdanswer, "2");
    EXPECT_EQ(errorflag, "1");
    EXPECT_EQ(readme, "");
    long changed = -1;
    sqlca.SelectInto("select count(*) from t_kzmn where zdanswer <> '0'", {}, changed);
    EXPECT_EQ(changed, 1);
}

TEST_F(DataObjectsTest, ResultListExpressionsUseTheProgramsFunctions)
{
    RegisterExpressionFunctions();
    DataStore dw_2(d_kzmn());
    dw_2.SetTransObject(sqlca);
    dw_2.Retrieve();
    const long row = dw_2.Find("mno = 1", 1, dw_2.RowCount());
    ASSERT_GT(row, 0);
    EXPECT_EQ(dw_2.EvaluateFor("of_decrypt(txt)", row), Value(String("机动车驾驶人应当随身携带机动车驾驶证。")));
    dw_2.SetItem(row, "zdanswer", String("2"));
    EXPECT_EQ(dw_2.EvaluateFor("'你做答案:'+if(zdanswer='0','无',gf_getstring(zdanswer))+'~n~r'+'标准答案:'+"
                               "gf_getstring( answer)",
                               row),
              Value(String("你做答案:B\n\r标准答案:A")));
}

TEST_F(DataObjectsTest, RulesOfOneGroupByAppendedCondition)
{
    DataStore dw_2(d_kznr_new());
    dw_2.SetTransObject(sqlca);
    const String is_sql = dw_2.GetSQLSelect();
    dw_2.SetSQLSelect(is_sql + " where cx='C1' order by fl,jfl");
    ASSERT_EQ(dw_2.Retrieve(), 3);
    EXPECT_EQ(dw_2.GetItemNumber(1, "fl"), 1);
    EXPECT_EQ(dw_2.GetItemNumber(1, "jfl"), 1);
    EXPECT_EQ(dw_2.GetItemString(1, "tx1_sl"), "2");
    EXPECT_EQ(dw_2.GetItemNumber(3, "fl"), 2);
    EXPECT_EQ(dw_2.GetItemString(2, "tx3_sl"), "");

    dw_2.SetSQLSelect(is_sql + " where cx='B2' order by fl,jfl");
    ASSERT_EQ(dw_2.Retrieve(), 2);
    EXPECT_EQ(dw_2.GetItemString(1, "tx2_sl"), "abc");
}

TEST_F(DataObjectsTest, VehicleClasses)
{
    DataStore dw_1(d_cx());
    dw_1.SetTransObject(sqlca);
    ASSERT_EQ(dw_1.Retrieve(), 8);
    EXPECT_EQ(dw_1.GetItemString(1, "name"), "A1");
    EXPECT_EQ(dw_1.GetItemString(1, "readme"), "大型客车");
    EXPECT_EQ(dw_1.GetItemString(8, "name"), "C3");
    EXPECT_EQ(dw_1.Update(), -1); // no update table
}

} // namespace
