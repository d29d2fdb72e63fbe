// The set chooser: starting a set, reviewing one set's wrong answers.
#include "practice_fixture.h"

#include "practice/w_tclx.h"
#include "review/w_error.h"
#include "review/w_error_select.h"

using namespace runtime;

namespace {

class SetChooser : public PracticeTest {};

TEST_F(SetChooser, StartingASetLoadsItAndMovesItsOldWrongAnswersToZero)
{
    sqlca.ExecuteImmediate("insert into t_error (user, mno, flag, zdanswer) values "
                           "('kelvadorint', 1, 3, '2'), ('kelvadorint', 2, 4, '1'), ('kelvadorint', 3, NULL, NULL)");
    openChooser();
    click(chooserButton("试卷3"));

    EXPECT_EQ(book(), (std::vector<std::string>{"1/0/2", "2/4/1", "3//"}));
    EXPECT_EQ(count("select count(*) from t_kzmn"), 100);
    EXPECT_EQ(count("select count(*) from t_kzmn where zdanswer <> '0'"), 0);
    EXPECT_EQ(count("select count(*) from t_kzmn k join t_tc_list l on l.mno = k.mno and l.tcname = '试卷3'"), 100);

    ASSERT_TRUE(::w_tclx.IsValid());
    auto &w = *::w_tclx;
    EXPECT_EQ(w.is_tcname, "试卷3");
    EXPECT_EQ(w.il_error_flag, 3);
    EXPECT_EQ(w.il_maxrow, 100);
    EXPECT_EQ(w.st_1.Text(), "姓名:维拓网 身份证号:358888888888888888 车型:试卷3   剩余时间:  200:59");
    EXPECT_EQ(w.st_wzyz.Text(), "已做题数:0   未做题数:100");
    EXPECT_FALSE(w.p_message2.Visible());
    EXPECT_TRUE(::w_tc_select11.IsValid()); // the chooser stays

    // A review of the set straight after its start finds nothing.
    click(chooserButton("试卷3", true));
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, "提示");
    EXPECT_EQ(boxes[0].text, "没有要回顾的记录在里面!");
    EXPECT_FALSE(::w_error.IsValid());
    EXPECT_EQ(count("select count(*) from t_kzmn"), 0);
}

TEST_F(SetChooser, ASetsReviewLoadsTheQuestionsOfItsNumberOnly)
{
    sqlca.ExecuteImmediate("insert into t_error (user, mno, flag, zdanswer) values "
                           "('kelvadorint', 5, 21, '2'), ('kelvadorint', 6, 21, '1'), ('kelvadorint', 7, 20, '1'),"
                           "('kelvadorint', 8, 0, '1'), ('kelvadorint', 9, NULL, NULL), ('kelvadorint', 99999, 21, '1')");
    openChooser();
    click(chooserButton("客车专用题", true));

    ASSERT_TRUE(::w_error.IsValid());
    EXPECT_EQ(::w_error->il_maxrow, 2);
    EXPECT_EQ(count("select count(*) from t_kzmn where mno in (5, 6) and tieba is null and xh is null"), 2);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(SetChooser, EachReviewButtonReviewsTheSetBesideIt)
{
    openChooser();
    struct Case {
        const char *set;
        int flag;
    } cases[] = {{"试卷9", 9}, {"货车专用题", 20}, {"客车专用题", 21}, {"试卷1", 1}};
    for (const Case &c : cases) {
        Close(::w_error);
        sqlca.ExecuteImmediate("delete from t_error");
        sqlca.Execute("insert into t_error (user, mno, flag) values ('kelvadorint', 12, ?)", {long(c.flag)});
        click(chooserButton(c.set, true));
        EXPECT_TRUE(::w_error.IsValid()) << c.set;
    }
}

TEST_F(SetChooser, TheTruckSetOpensThePracticeWithItsNameAndNumber)
{
    openChooser();
    click(chooserButton("货车专用题"));
    ASSERT_TRUE(::w_tclx.IsValid());
    EXPECT_EQ(::w_tclx->is_tcname, "货车专用题");
    EXPECT_EQ(::w_tclx->il_error_flag, 20);
    EXPECT_EQ(message.StringParm, "货车专用题,20");
}

TEST_F(SetChooser, ASetNameIsBoundNotSplicedIntoTheStatement)
{
    auto &c = openChooser();
    c.f_tc("试卷1' or '1'='1", 1);
    EXPECT_TRUE(halts.empty());
    EXPECT_EQ(count("select count(*) from t_kzmn"), 0);
    ASSERT_TRUE(::w_tclx.IsValid());
    // An empty set opens without a question; the buttons do nothing.
    click(::w_tclx->cb_next);
    click(::w_tclx->st_choice1);
    press(*::w_tclx, Qt::Key_7);
}

TEST_F(SetChooser, AFailedBuildWarnsAndEndsTheProgram)
{
    openChooser();
    sqlca.ExecuteImmediate("drop table t_tc_list");
    click(chooserButton("试卷2"));
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, "警告");
    EXPECT_EQ(boxes[0].icon, Icon::StopSign);
    EXPECT_EQ(Left(boxes[0].text, 16), "生成题库出错！\r\n");
    EXPECT_EQ(halts, std::vector<int>{1}); // the program ends on a failure
    EXPECT_FALSE(::w_tclx.IsValid());
}

TEST_F(SetChooser, ExitClosesOnlyTheChooserAndTheWideButtonOpensTheReviewChooser)
{
    openChooser();
    click(chooserButton("试卷1"));
    click(::w_tc_select11->cb_15);
    EXPECT_TRUE(::w_error_select.IsValid());
    click(::w_tc_select11->cb_4);
    EXPECT_FALSE(::w_tc_select11.IsValid());
    EXPECT_TRUE(::w_tclx.IsValid());
    EXPECT_TRUE(::w_error_select.IsValid());
}

} // namespace
