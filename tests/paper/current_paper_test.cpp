// The windows over the current paper: whichever chooser builds a new paper,
// the window open over the old one closes and the new one shows the paper
// just built, stores its answers and hands in what the learner saw; a second
// practice hand-in counts its own set; an answer the database refuses is
// reported and not shown as given.
#include "practice/practice_fixture.h"

#include "app/expression_functions.h"
#include "exam/w_jj.h"
#include "exam/w_jj_enter.h"
#include "exam/w_open_error.h"
#include "paper/w_find.h"
#include "practice/w_jj_tc.h"
#include "practice/w_tclx.h"
#include "review/w_error.h"
#include "review/w_error_select.h"

#include <QPointer>
#include <qpa/qwindowsysteminterface.h>

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

    // The one box that tells of a write the database refused, with its reason.
    void expectRefusedBox(const char *reason)
    {
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].title, "警告");
        EXPECT_EQ(boxes[0].text, "数据库更新出错！\r\n" + String(reason));
        EXPECT_EQ(boxes[0].icon, Icon::StopSign);
        boxes.clear();
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

// A click as the platform delivers it: press and release at the middle of the
// control, through the window-system interface, so that Qt's own delivery
// (and its blocking of windows behind a modal one) decides where it goes.
void PlatformClick(const Control &c)
{
    QWidget *button = c.widget();
    QWindow *window = button->window()->windowHandle();
    const QPointF at = button->mapTo(button->window(), button->rect().center());
    const QPointF global = button->mapToGlobal(button->rect().center());
    QWindowSystemInterface::handleMouseEvent<QWindowSystemInterface::SynchronousDelivery>(
        window, at, global, Qt::LeftButton, Qt::LeftButton, QEvent::MouseButtonPress);
    QWindowSystemInterface::handleMouseEvent<QWindowSystemInterface::SynchronousDelivery>(
        window, at, global, Qt::NoButton, Qt::LeftButton, QEvent::MouseButtonRelease);
}

// While a question window waits on its number dialog, the choosers take no
// click, so no paper is rebuilt under a window that is in the middle of a
// script; once the dialog is gone the same click starts the set.
TEST_F(CurrentPaper, NoPaperIsBuiltWhileAQuestionWindowWaitsOnItsDialog)
{
    start(Start::Set3);
    QPointer<Window> practice = &*::w_tclx;
    bool blocked = false;
    WhenOpen(::w_find, [&] {
        PlatformClick(chooserButton("试卷1"));
        blocked = ::w_tclx.IsValid() && &*::w_tclx == practice.data() && ::w_find.IsValid();
        Close(*::w_find);
    });
    click(::w_tclx->cb_find);
    EXPECT_TRUE(blocked);
    EXPECT_EQ(::w_tclx->is_tcname, "试卷3");

    PlatformClick(chooserButton("试卷1"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(practice.isNull());
    ASSERT_TRUE(::w_tclx.IsValid());
    EXPECT_EQ(::w_tclx->is_tcname, "试卷1");
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

// The database refuses an answer: a box gives its reason, the answer stored
// before stays, and nothing on screen shows the refused one as given. Once
// the database takes answers again, the same press stores and shows it.
TEST_F(CurrentPaper, AnAnswerTheDatabaseRefusesIsReportedAndNotShown)
{
    struct Case {
        Start window;
        const char *tx;
        bool viaBox; // the tick box beside the option, else the option itself
    } cases[] = {
        {Start::Exam, "1", false}, {Start::Exam, "2", false}, {Start::Exam, "0", true},
        {Start::Set3, "1", false}, {Start::Set3, "0", true},  {Start::Review, "2", false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(nameOf(c.window)) + " tx " + c.tx);
        start(c.window);
        Window *w = paperWindow();
        ASSERT_NE(w, nullptr);
        DataStore &dw = paperOf(w);
        long row = 0;
        for (long r = 1; r <= dw.RowCount() && row == 0; ++r)
            if (dw.GetItemString(r, "tx") == c.tx)
                row = r;
        ASSERT_GT(row, 0);
        const long mno = static_cast<long>(dw.GetItemNumber(row, "mno"));
        const long bookBefore = count("select count(*) from t_error");

        auto *exam = dynamic_cast<class w_mnkz_2012 *>(w);
        auto *question = dynamic_cast<QuestionWindow *>(w);
        if (exam)
            exam->f_display(static_cast<int>(row));
        else
            question->f_display(static_cast<int>(row));
        // Option 2 is wrong or right; either way it is an answer to store.
        auto press = [&] {
            if (exam)
                click(c.viaBox ? static_cast<Control &>(exam->cbx_choice2) : exam->cb_5);
            else
                click(c.viaBox ? static_cast<Control &>(question->cbx_choice2) : question->st_choice2);
        };

        sqlca.ExecuteImmediate("create trigger refuse_answers before update of zdanswer on t_kzmn "
                               "begin select raise(abort, 'database or disk is full'); end");
        press();
        expectRefusedBox("database or disk is full");
        String stored;
        sqlca.SelectInto("select zdanswer from t_kzmn where mno = ?", {mno}, stored);
        EXPECT_EQ(stored, "0");
        EXPECT_EQ(count("select count(*) from t_error"), bookBefore);
        EXPECT_EQ(dw.GetRow(), row);
        EXPECT_EQ(dw.GetItemString(row, "zdanswer"), "0");
        if (exam) {
            EXPECT_EQ(exam->dw_1->Describe("t_" + String(row + 100) + ".Text"), "");
            EXPECT_EQ(exam->st_youranswer.Text(), "");
            EXPECT_FALSE(exam->cbx_choice2.Checked());
            EXPECT_EQ(exam->is_flag2, "0");
        } else {
            EXPECT_FALSE(question->cbx_choice2.Checked());
            EXPECT_NE(question->st_choice2.TextColor(), RGB(250, 0, 0));
            EXPECT_FALSE(question->p_message2.Visible());
            EXPECT_EQ(question->is_currentzdanswer, "");
        }

        sqlca.ExecuteImmediate("drop trigger refuse_answers");
        press();
        EXPECT_TRUE(boxes.empty());
        sqlca.SelectInto("select zdanswer from t_kzmn where mno = ?", {mno}, stored);
        EXPECT_EQ(stored, "2");
        if (exam) {
            EXPECT_NE(exam->dw_1->Describe("t_" + String(row + 100) + ".Text"), "");
            EXPECT_NE(exam->st_youranswer.Text(), "");
        } else if (c.viaBox) {
            EXPECT_TRUE(question->cbx_choice2.Checked());
        }
        boxes.clear();
    }
}

// The wrong-answer book refuses the entry of a wrong answer: the answer and
// its entry go in one commit, so neither is stored, a box gives the reason
// and the window shows the question as stored. Once the book takes rows
// again, the same press stores both. An examination's judgement the
// database refuses is reported too.
TEST_F(CurrentPaper, ABookEntryTheDatabaseRefusesTakesItsAnswerBackAndIsReported)
{
    for (Start from : {Start::Exam, Start::Set3, Start::Review}) {
        SCOPED_TRACE(nameOf(from));
        start(from);
        Window *w = paperWindow();
        ASSERT_NE(w, nullptr);
        DataStore &dw = paperOf(w);
        long row = 0;
        for (long r = 1; r <= dw.RowCount() && row == 0; ++r)
            if (dw.GetItemString(r, "tx") == "2")
                row = r;
        ASSERT_GT(row, 0);
        const long mno = static_cast<long>(dw.GetItemNumber(row, "mno"));
        sqlca.Execute("delete from t_error where mno = ?", {mno});
        String answer;
        sqlca.SelectInto("select answer from t_kzmn where mno = ?", {mno}, answer);
        const String wrong = answer == "1" ? "2" : "1";
        auto *exam = dynamic_cast<class w_mnkz_2012 *>(w);
        auto *question = dynamic_cast<QuestionWindow *>(w);
        auto pressWrong = [&] {
            if (exam) {
                exam->f_display(static_cast<int>(row));
                click(wrong == "1" ? exam->cb_4 : exam->cb_5);
            } else {
                question->f_display(static_cast<int>(row));
                click(question->optionText(Long(wrong)));
            }
        };
        auto stored = [&] {
            String s;
            sqlca.SelectInto("select zdanswer from t_kzmn where mno = ?", {mno}, s);
            return s;
        };
        auto booked = [&] {
            long n = -1;
            sqlca.SelectInto("select count(*) from t_error where mno = ?", {mno}, n);
            return n;
        };

        sqlca.ExecuteImmediate("create trigger refuse_book before insert on t_error "
                               "begin select raise(abort, 'database or disk is full'); end");
        pressWrong();
        expectRefusedBox("database or disk is full");
        EXPECT_EQ(stored(), "0");
        EXPECT_EQ(booked(), 0);
        EXPECT_EQ(dw.GetItemString(row, "zdanswer"), "0");
        if (exam) {
            EXPECT_EQ(exam->dw_1->Describe("t_" + String(row + 100) + ".Text"), "");
            EXPECT_EQ(exam->st_youranswer.Text(), "");
        } else {
            EXPECT_NE(question->optionText(Long(wrong)).TextColor(), RGB(250, 0, 0));
            EXPECT_FALSE(question->p_message2.Visible());
            EXPECT_FALSE(question->st_readme.Visible());
        }

        sqlca.ExecuteImmediate("drop trigger refuse_book");
        pressWrong();
        EXPECT_TRUE(boxes.empty());
        EXPECT_EQ(stored(), wrong);
        EXPECT_EQ(booked(), 1);
        if (exam) {
            EXPECT_NE(exam->dw_1->Describe("t_" + String(row + 100) + ".Text"), "");
        } else {
            EXPECT_EQ(question->optionText(Long(wrong)).TextColor(), RGB(250, 0, 0));
            EXPECT_TRUE(question->p_message2.Visible());
        }

        if (exam) {
            // "下一题" judges the answer; the database refuses the judgement.
            exam->f_display(static_cast<int>(row));
            sqlca.ExecuteImmediate("create trigger refuse_judgement before update of errorflag on t_kzmn "
                                   "begin select raise(abort, 'disk I/O error'); end");
            WhenOpen(::w_open_error, [] { Close(*::w_open_error); });
            click(exam->cb_2);
            expectRefusedBox("disk I/O error");
            sqlca.ExecuteImmediate("drop trigger refuse_judgement");
        }
        boxes.clear();
    }
}

// A judgement the examination still holds unsaved goes out with the next
// answer, in its commit: refused, both stay pending, and the next answer
// the database takes stores them together.
TEST_F(CurrentPaper, AnUnsavedJudgementGoesOutWithTheNextAnswer)
{
    start(Start::Exam);
    auto &exam = *::w_mnkz_2012;
    const long first = 1, second = 2;
    const long mno = static_cast<long>(exam.dw_2->GetItemNumber(first, "mno"));
    String answer = exam.dw_2->GetItemString(first, "answer");
    exam.f_display(static_cast<int>(first));
    click(Left(answer, 1) == "1" ? exam.cb_5 : exam.cb_4); // wrong for any right answer
    WhenOpen(::w_open_error, [] { Close(*::w_open_error); });
    click(exam.cb_2); // judged wrong: "2" held in the window, "1" in the table
    auto flag = [&] {
        String f;
        sqlca.SelectInto("select errorflag from t_kzmn where mno = ?", {mno}, f);
        return f;
    };
    ASSERT_EQ(exam.dw_2->GetItemString(first, "errorflag"), "2");
    ASSERT_EQ(flag(), "1");

    ASSERT_EQ(exam.dw_2->GetRow(), second);
    sqlca.ExecuteImmediate("create trigger refuse_book before insert on t_error "
                           "begin select raise(abort, 'database or disk is full'); end");
    sqlca.ExecuteImmediate("delete from t_error");
    answer = exam.dw_2->GetItemString(second, "answer");
    click(Left(answer, 1) == "1" ? exam.cb_5 : exam.cb_4);
    expectRefusedBox("database or disk is full");
    EXPECT_EQ(flag(), "1");
    sqlca.ExecuteImmediate("drop trigger refuse_book");
    exam.f_display(static_cast<int>(second));
    click(Left(answer, 1) == "1" ? exam.cb_5 : exam.cb_4);
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(flag(), "2");
    EXPECT_EQ(count("select count(*) from t_error"), 1);
}

} // namespace
