// The review chooser and the review window: duplicate removal, the empty
// book, clearing the book, and what the review window does differently from
// the practice window.
#include "practice/practice_fixture.h"

#include "exam/w_jj.h"
#include "review/w_error.h"
#include "review/w_error_select.h"
#include "x11_keys.h"

using namespace runtime;

namespace {

class Review : public PracticeTest {
protected:
    class w_error_select &openReviewChooser()
    {
        Open(::w_error_select);
        return *::w_error_select;
    }
    static void addRows(long mno, int n, long firstId)
    {
        for (int i = 0; i < n; ++i)
            sqlca.Execute("insert into t_error (id, user, mno, errorcs) values (?, 'kelvadorint', ?, 5)",
                          {firstId + 10 * i, mno});
    }
    static std::vector<std::string> ids(long mno)
    {
        std::vector<std::string> out;
        for (const auto &r : sqlca.Query("select id from t_error where mno = " + String(mno) + " order by id").rows)
            out.push_back(ToUtf8(r[0].toString()));
        return out;
    }
};

TEST_F(Review, DuplicatesLeaveTheBookOldestFirstAndEachQuestionEntersOnce)
{
    addRows(1, 3, 10);   // ids 10, 20, 30
    addRows(2, 14, 1000); // twelve passes leave two
    addRows(3, 1, 5000);
    sqlca.ExecuteImmediate("insert into t_error (user, mno) values ('kelvadorint', 99999)"); // not in the bank
    click(openReviewChooser().cb_1);

    EXPECT_EQ(ids(1), (std::vector<std::string>{"10"}));
    EXPECT_EQ(ids(2), (std::vector<std::string>{"1000", "1010"}));
    EXPECT_EQ(count("select count(*) from t_error where errorcs = 0"), count("select count(*) from t_error"));
    EXPECT_TRUE(halts.empty());
    EXPECT_EQ(count("select count(*) from t_kzmn"), 3);
    EXPECT_EQ(count("select count(*) from t_kzmn where zdanswer = '0' and tieba is not null"), 3);
    ASSERT_TRUE(::w_error.IsValid());
    EXPECT_EQ(::w_error->il_maxrow, 3);
    EXPECT_EQ(::w_error->st_wzyz.Text(), "已做题数:0   未做题数:3");
    EXPECT_TRUE(::w_error_select.IsValid());
}

TEST_F(Review, AnEmptyBookSaysThereIsNothingToReview)
{
    sqlca.ExecuteImmediate("insert into t_kzmn (mno) values (1)");
    click(openReviewChooser().cb_1);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, "提示");
    EXPECT_EQ(boxes[0].text, "没有要回顾的记录在里面!");
    EXPECT_FALSE(::w_error.IsValid());
    EXPECT_EQ(count("select count(*) from t_kzmn"), 0);
}

TEST_F(Review, ClearingTheBookAsksFirst)
{
    addRows(1, 2, 10);
    auto &c = openReviewChooser();
    int answer = 2;
    SetMessageBoxHandler([&](const MessageBoxRequest &r) {
        boxes.push_back(r);
        return answer;
    });
    click(c.cb_11);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, "提示");
    EXPECT_EQ(boxes[0].text, "确定要清空吗?");
    EXPECT_EQ(boxes[0].icon, Icon::Exclamation);
    EXPECT_EQ(boxes[0].defaultButton, 2);
    EXPECT_EQ(count("select count(*) from t_error"), 2);

    answer = 1;
    click(c.cb_11);
    EXPECT_EQ(count("select count(*) from t_error"), 0);
    click(c.cb_1);
    EXPECT_EQ(boxes.back().text, "没有要回顾的记录在里面!");
    click(c.cb_12);
    EXPECT_FALSE(::w_error_select.IsValid());
}

// Both ways into a review, the whole book and one set's wrong answers, warn
// alike and end the program when the review cannot be built.
TEST_F(Review, AFailedBuildWarnsAndEndsTheProgramFromEitherChooser)
{
    openChooser();
    auto &reviewChooser = openReviewChooser();
    sqlca.ExecuteImmediate("drop table t_tk005");
    Control *buttons[] = {&reviewChooser.cb_1, &chooserButton("试卷2", true)};
    for (Control *button : buttons) {
        boxes.clear();
        halts.clear();
        click(*button);
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].title, "警告");
        EXPECT_EQ(boxes[0].icon, Icon::StopSign);
        EXPECT_EQ(Left(boxes[0].text, 16), "生成题库出错！\r\n");
        EXPECT_EQ(halts, std::vector<int>{1});
        EXPECT_FALSE(::w_error.IsValid());
    }
}

class ReviewWindow : public Review {
protected:
    void SetUp() override
    {
        Review::SetUp();
        // One question of each type from the bank.
        sqlca.ExecuteImmediate("insert into t_error (user, mno) select 'kelvadorint', min(mno) from t_tk005 group by tx");
        message.StringParm = "试卷3,3";
        click(openReviewChooser().cb_1);
        ASSERT_TRUE(::w_error.IsValid());
        w = &*::w_error;
        sqlca.ExecuteImmediate("delete from t_error");
    }
    class w_error *w = nullptr;
};

TEST_F(ReviewWindow, OpensWithTheLastTextParameterAndCountsItsOwnWay)
{
    EXPECT_EQ(w->st_1.Text(), "姓名:维拓网 身份证号:358888888888888888 车型:试卷3   剩余时间:  200:59");
    const long tf = rowOfType(*w, "2");
    w->f_display(static_cast<int>(tf));
    const String right = w->dw_1->GetItemString(tf, "answer");
    click(right == "1" ? w->st_choice2 : w->st_choice1);
    EXPECT_EQ(book(), (std::vector<std::string>{std::to_string(mnoOf(*w, tf)) + "//"}));
    click(right == "1" ? w->st_choice1 : w->st_choice2);
    EXPECT_EQ(w->st_wzyz.Text(), "已作答:1   未作答:2");
    EXPECT_EQ(book().size(), 1u);

    const long multi = rowOfType(*w, "0");
    w->f_display(static_cast<int>(multi));
    press(*w, Qt::Key_3); // keys 3 and 4 tick C and D here
    EXPECT_EQ(stored(*w, multi), "3");
    click(w->cb_next);
    if (w->dw_1->GetItemString(multi, "answer") != "3") {
        EXPECT_EQ(book().back(), std::to_string(mnoOf(*w, multi)) + "//3");
    }
}

// The book tells how a wrong answer was found: a wrong pick enters the
// question alone, a multiple-choice answer found wrong by "下一题" enters with
// the answer given.
TEST_F(ReviewWindow, AWrongPickEntersTheQuestionAloneAndAWrongMultipleChoiceItsAnswer)
{
    const auto entry = [](long mno) {
        const auto rows = sqlca.Query("select zdanswer from t_error where mno = " + String(mno)).rows;
        return rows.size() == 1 ? rows[0][0] : Value("not one entry");
    };
    const long single = rowOfType(*w, "1");
    w->f_display(static_cast<int>(single));
    click(w->optionText(Long(wrongDigit(*w, single))));
    EXPECT_TRUE(entry(mnoOf(*w, single)).isNull());

    const long multi = rowOfType(*w, "0");
    w->f_display(static_cast<int>(multi));
    const String given = wrongDigit(*w, multi);
    click(w->optionText(Long(given)));
    click(w->cb_next);
    EXPECT_EQ(ToUtf8(entry(mnoOf(*w, multi)).toString()), ToUtf8(given));
}

// The keys as X11 delivers them: Shift and the numeric pad with NumLock on
// or off change nothing in what a digit does.
TEST_F(ReviewWindow, KeysWorkAsX11DeliversThemWithShiftAndOnThePad)
{
    using namespace x11;
    ASSERT_EQ(w->il_maxrow, 3); // true/false, single, multiple choice
    w->f_display(2);
    x11::Press(w->widget(), KpBegin);
    EXPECT_EQ(w->dw_1->GetRow(), 1);
    x11::Press(w->widget(), Shift8);
    EXPECT_EQ(w->dw_1->GetRow(), 3);
    x11::Press(w->widget(), Shift3); // keys 3 and 4 tick C and D here
    x11::Press(w->widget(), KpLeft);
    EXPECT_EQ(stored(*w, 3), "34");
    x11::Press(w->widget(), ShiftKp1Locked);
    EXPECT_EQ(stored(*w, 3), "134");
    w->f_display(1);
    x11::Press(w->widget(), Shift1);
    EXPECT_EQ(stored(*w, 1), "1");
    w->f_display(3);
    x11::Press(w->widget(), KpSubtractLocked);
    EXPECT_EQ(w->dw_1->GetRow(), 2); // the first unanswered
}

TEST_F(ReviewWindow, TheHintShowsTheRightAnswerInABox)
{
    w->f_display(1);
    click(w->cb_da);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, "提示:");
    EXPECT_EQ(boxes[0].text, w->dw_1->GetItemString(1, "answer"));
    EXPECT_EQ(w->cb_da.Text(), "答案提示");
    EXPECT_FALSE(w->st_choice1.GetFont().underline);
}

TEST_F(ReviewWindow, HandInOpensTheResultWindowAndCloses)
{
    click(w->cb_jj);
    EXPECT_EQ(boxes.back().text, "是否确认交卷?");
    EXPECT_FALSE(::w_error.IsValid());
    EXPECT_TRUE(::w_jj.IsValid());
}

} // namespace
