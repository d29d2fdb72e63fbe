// The windows over the current paper: whichever chooser builds a new paper,
// the window open over the old one closes and the new one shows the paper
// just built, stores its answers and hands in what the learner saw; a second
// practice hand-in counts its own set.
#include "practice/practice_fixture.h"

#include "app/expression_functions.h"
#include "exam/w_jj.h"
#include "exam/w_jj_enter.h"
#include "practice/w_jj_tc.h"
#include "practice/w_tclx.h"
#include "review/w_error.h"
#include "review/w_error_select.h"

#include <QPointer>

using namespace runtime;

namespace {

enum class Start { Exam, Set3, Set1, SetReview7, Review };

const char *nameOf(Start s)
{
    switch (s) {
    case Start::Exam: return "exam";
    case Start::Set3: return "set 3";
    case Start::Set1: return "set 1";
    case Start::SetReview7: return "review of set 7";
    case Start::Review: return "review";
    }
    return "";
}

class CurrentPaper : public PracticeTest {
protected:
    void SetUp() override
    {
        PracticeTest::SetUp();
        RegisterExpressionFunctions();
        // Wrong answers of set 7, one question of each type and a few more:
        // its review, and the whole review, have questions.
        sqlca.ExecuteImmediate("insert into t_error (user, mno, flag) select 'kelvadorint', mno, 7 from t_tk005 "
                               "where mno in (select min(mno) from t_tk005 group by tx) or mno < 6");
        openChooser();
        Open(::w_error_select);
    }

    // Starts a paper the way the learner does: the class window's "确定",
    // a set button, a set's review button, the review chooser's "错误回顾".
    void start(Start s)
    {
        switch (s) {
        case Start::Exam: chooseClass("C1"); break;
        case Start::Set3: click(chooserButton("试卷3")); break;
        case Start::Set1: click(chooserButton("试卷1")); break;
        case Start::SetReview7: click(chooserButton("试卷7", true)); break;
        case Start::Review: click(::w_error_select->cb_1); break;
        }
    }

    // The one question window open, and the data window over its paper.
    static Window *paperWindow()
    {
        std::vector<Window *> open;
        for (Window *w : OpenWindows())
            if (w->ClassName() == "w_mnkz_2012" || w->ClassName() == "w_tclx" || w->ClassName() == "w_error")
                open.push_back(w);
        EXPECT_EQ(open.size(), 1u);
        return open.empty() ? nullptr : open.front();
    }
    static DataStore &paperOf(Window *w)
    {
        if (auto *exam = dynamic_cast<class w_mnkz_2012 *>(w))
            return *exam->dw_2;
        return *static_cast<QuestionWindow *>(w)->dw_1;
    }

    // The question on screen answered right with the pointer: the answer
    // buttons of the examination, the option texts of practice and review.
    // Returns its number.
    static long answerRight(Window *w)
    {
        DataStore &dw = paperOf(w);
        const long mno = static_cast<long>(dw.GetItemNumber(dw.GetRow(), "mno"));
        String answer;
        sqlca.SelectInto("select answer from t_kzmn where mno = ?", {mno}, answer);
        for (char d : answer) {
            const int option = d - '0';
            if (auto *exam = dynamic_cast<class w_mnkz_2012 *>(w))
                click(*std::array<Control *, 4>{&exam->cb_4, &exam->cb_5, &exam->cb_6, &exam->cb_7}[option - 1]);
            else
                click(static_cast<QuestionWindow *>(w)->optionText(option));
        }
        return mno;
    }

    // Hands in with "交卷" and the confirmation; the score line shown.
    String handIn(Window *w)
    {
        if (auto *exam = dynamic_cast<class w_mnkz_2012 *>(w)) {
            click(exam->cb_jj);
            EXPECT_TRUE(::w_jj_enter.IsValid());
            if (::w_jj_enter.IsValid())
                click(::w_jj_enter->cb_2);
        } else {
            click(static_cast<QuestionWindow *>(w)->cb_jj);
        }
        if (::w_jj_tc.IsValid())
            return Left(::w_jj_tc->st_1.Text(), 9);
        return ::w_jj.IsValid() ? ::w_jj->st_1.Text() : String("(no score)");
    }

    static std::vector<long> mnos(DataStore &dw)
    {
        std::vector<long> out;
        for (long r = 1; r <= dw.RowCount(); ++r)
            out.push_back(static_cast<long>(dw.GetItemNumber(r, "mno")));
        std::sort(out.begin(), out.end());
        return out;
    }
    static std::vector<long> mnosInTable()
    {
        std::vector<long> out;
        for (const auto &r : sqlca.Query("select mno from t_kzmn order by mno").rows)
            out.push_back(static_cast<long>(r[0].toDouble()));
        return out;
    }

    FakeNetwork network; // no page arrives: the browser strips stay hidden
};

// With a question window open, a paper started from any chooser closes it
// (an examination with its hand-in confirmation); the new window reads the
// new paper, its answers land in t_kzmn and its hand-in scores that paper.
TEST_F(CurrentPaper, ANewPaperFromAnyChooserReplacesTheWindowOverTheOldOne)
{
    const Start olds[] = {Start::Exam, Start::Set3, Start::Review};
    const Start news[] = {Start::Exam, Start::Set1, Start::SetReview7, Start::Review};
    for (Start from : olds)
        for (Start to : news) {
            SCOPED_TRACE(std::string(nameOf(from)) + " then " + nameOf(to));
            start(from);
            QPointer<Window> old = paperWindow();
            ASSERT_TRUE(old);
            answerRight(old);
            if (from == Start::Exam)
                click(static_cast<class w_mnkz_2012 *>(old.data())->cb_jj); // the confirmation stays open

            start(to);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            EXPECT_TRUE(old.isNull());
            EXPECT_FALSE(::w_jj_enter.IsValid());
            Window *w = paperWindow();
            ASSERT_NE(w, nullptr);
            EXPECT_TRUE(w->widget()->isVisible());
            EXPECT_EQ(mnos(paperOf(w)), mnosInTable());
            EXPECT_EQ(paperOf(w).GetRow(), 1);

            const long mno = answerRight(w);
            long right = 0;
            sqlca.SelectInto("select count(*) from t_kzmn where mno = ? and zdanswer = answer", {mno}, right);
            EXPECT_EQ(right, 1);
            EXPECT_EQ(count("select count(*) from t_kzmn where zdanswer <> '0'"), 1);

            EXPECT_EQ(handIn(w), to == Start::Set1 ? "成绩：1分" : "1分");
            for (const MessageBoxRequest &b : boxes)
                EXPECT_EQ(b.text, "是否确认交卷?");
            boxes.clear();
            Close(::w_jj);
            Close(::w_jj_tc);
        }
}

// A second practice hand-in while the score of the first is still open
// counts the new set, with its first answers put back.
TEST_F(CurrentPaper, ASecondPracticeHandInCountsItsOwnSet)
{
    start(Start::Set3);
    click(::w_tclx->cb_jj);
    ASSERT_TRUE(::w_jj_tc.IsValid());
    QPointer<Window> first = &*::w_jj_tc;
    EXPECT_EQ(Left(::w_jj_tc->st_1.Text(), 9), "成绩：0分");

    start(Start::Set1);
    auto &w = *::w_tclx;
    const long single = rowOfType(w, "1");
    w.f_display(static_cast<int>(single));
    const long mno = mnoOf(w, single);
    const String wrong = wrongDigit(w, single);
    click(w.optionText(Long(wrong)));
    answerRight(&w); // corrected: moves on
    answerRight(&w); // the next question right the first time
    click(w.cb_jj);

    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
    ASSERT_TRUE(::w_jj_tc.IsValid());
    EXPECT_EQ(Left(::w_jj_tc->st_1.Text(), 9), "成绩：1分");
    String stored;
    sqlca.SelectInto("select zdanswer from t_kzmn where mno = ?", {mno}, stored);
    EXPECT_EQ(stored, wrong);
    ASSERT_EQ(::w_jj_tc->dw_1->RowCount(), count("select count(*) from t_kzmn") - 1);
}

} // namespace
