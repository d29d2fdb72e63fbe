// Stepping and judging in the examination window, forced study and the
// prompt after more than ten wrong answers, the hand-in confirmation, and a
// whole examination taken by keys alone.
#include "exam_fixture.h"

#include "app/expression_functions.h"
#include "app/gf_getstring.h"
#include "exam/w_error_jj.h"
#include "exam/w_jj.h"
#include "exam/w_jj_enter.h"
#include "exam/w_open_error.h"
#include "runtime/draw/picture.h"
#include "runtime/dw/render.h"

#include <QApplication>
#include <QImage>
#include <QPointer>
#include <QScreen>
#include <QTimer>

#include <map>

using namespace runtime;

namespace {

// Acts inside the modal windows that "下一题" opens, from their own loop: notes
// each one as it appears and then does what the test asked (by default Enter,
// which closes forced study and continues at the prompt).
class ModalWatcher {
public:
    ModalWatcher()
    {
        poll_.setInterval(0);
        QObject::connect(&poll_, &QTimer::timeout, [this] { look(); });
        poll_.start();
    }
    std::vector<String> seen;
    std::function<void()> inStudy = [] { QTest::keyClick(w_open_error->widget(), Qt::Key_Return); };
    std::function<void()> inPrompt = [] { QTest::keyClick(w_error_jj->widget(), Qt::Key_Return); };

private:
    void look()
    {
        if (w_open_error.IsValid() && &*w_open_error != last_) {
            last_ = &*w_open_error;
            seen.push_back("study " + message.StringParm + " " + w_open_error->st_answer.Text());
            inStudy();
        } else if (w_error_jj.IsValid() && &*w_error_jj != last_) {
            last_ = &*w_error_jj;
            seen.push_back("prompt");
            inPrompt();
        }
    }
    QTimer poll_;
    QPointer<Window> last_;
};

class Stepping : public ExamTest {
protected:
    void SetUp() override
    {
        ExamTest::SetUp();
        RegisterExpressionFunctions();
        buildPaper("C1");
        w = &openExam();
    }
    // A wrong and the right answer of a row, as the digits the keys press.
    String right(long row) const { return w->dw_2->GetItemString(row, "answer"); }
    String wrong(long row) const
    {
        const String a = right(row);
        if (Len(a) > 1)
            return Left(a, Len(a) - 1); // part of a multiple-choice answer
        return String((Long(a) % (w->is_tx == "2" ? 2 : 4)) + 1);
    }
    // Shows a row and answers it with the keys of the digits.
    void answer(long row, const String &digits)
    {
        w->f_display(static_cast<int>(row));
        for (char d : digits)
            QTest::keyClick(w->cb_jj.widget(), static_cast<Qt::Key>(Qt::Key_0 + (d - '0')));
    }
    void next() { QTest::keyClick(w->cb_jj.widget(), Qt::Key_7); }
    String flagInTable(long row) const
    {
        String s;
        sqlca.SelectInto("select errorflag from t_kzmn where mno = ?", {w->dw_2->GetItemNumber(row, "mno")}, s);
        return s;
    }
    String cellColor(long row) const { return w->dw_1->Describe("t_" + String(row) + ".background.color"); }
    // The colour a cell is drawn in on the card, read near its top edge.
    QRgb drawnCellColour(const QImage &card, long row) const
    {
        const QRect box = ObjectRect(*w->dw_1->dataObject().object("t_" + String(row)), 0);
        return card.pixelColor(box.center().x(), box.top() + 2).rgb();
    }
    QRgb drawnCellColour(long row) const { return drawnCellColour(w->dw_1->grab().toImage(), row); }
    // The colour of a cell as the screen shows it: what the window's partial
    // repaints have left, not a fresh drawing of the card.
    QRgb shownCellColour(long row) const
    {
        QWidget *window = w->dw_1->window();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
        QApplication::processEvents();
        const QImage screen = window->screen()->grabWindow(window->winId()).toImage();
        const QRect box = ObjectRect(*w->dw_1->dataObject().object("t_" + String(row)), 0);
        return screen.pixelColor(w->dw_1->mapTo(window, QPoint(box.center().x(), box.top() + 2))).rgb();
    }

    class w_mnkz_2012 *w = nullptr;
    ModalWatcher modals;
};

TEST_F(Stepping, UnansweredStepsOnRightLocksSilentlyPreviousGoesBack)
{
    next();
    EXPECT_EQ(w->dw_2->GetRow(), 2);
    EXPECT_EQ(flagInTable(1), "0");

    answer(2, right(2));
    next();
    EXPECT_EQ(w->dw_2->GetRow(), 3);
    EXPECT_EQ(flagInTable(2), "1");
    EXPECT_TRUE(modals.seen.empty());
    EXPECT_EQ(cellColor(2), String(RGB(194, 194, 194)));

    QTest::keyClick(w->cb_jj.widget(), Qt::Key_6);
    EXPECT_EQ(w->dw_2->GetRow(), 2);
    EXPECT_FALSE(w->cb_4.Enabled()); // locked
    answer(2, wrong(2));
    EXPECT_EQ(w->dw_2->GetItemString(2, "zdanswer"), right(2));

    // Previous at question 1 (key 6 reaches the disabled button) stays there.
    w->f_display(1);
    QTest::keyClick(w->cb_jj.widget(), Qt::Key_6);
    EXPECT_EQ(w->dw_2->GetRow(), 1);
}

TEST_F(Stepping, WrongAnswerGoesRedIntoForcedStudyWithTheClockStopped)
{
    const long row = firstRowOfType(*w, "0");
    answer(row, wrong(row));
    clock.Advance(Milliseconds(3000));
    const String before = w->st_10.Text();
    String during;
    modals.inStudy = [&] {
        EXPECT_EQ(clock.RunningTimers(), 1); // forced study's own clock only
        clock.Advance(Milliseconds(10000));  // closes by itself
        during = w->st_10.Text();
    };
    next();
    ASSERT_EQ(modals.seen.size(), 1u);
    EXPECT_EQ(modals.seen[0], "study " + String(row) + " 标准答案:" + gf_getstring(right(row)));
    EXPECT_EQ(during, before);
    EXPECT_EQ(w->dw_2->GetRow(), row + 1);
    EXPECT_EQ(cellColor(row), "255");
    EXPECT_EQ(w->dw_2->GetItemString(row, "errorflag"), "2");
    EXPECT_EQ(flagInTable(row), "1"); // until the next save
    clock.Advance(Milliseconds(1000));
    EXPECT_NE(w->st_10.Text(), before); // running again
    answer(row + 1, right(row + 1));
    EXPECT_EQ(flagInTable(row), "2");

    // Judged again: red again, forced study again.
    w->f_display(static_cast<int>(row));
    next();
    EXPECT_EQ(modals.seen.size(), 2u);
    EXPECT_EQ(w->dw_2->GetItemString(row, "errorflag"), "2");
}

// Only the question on screen is cyan on the card: a question judged wrong
// and shown again from the card turns red again once another is shown.
TEST_F(Stepping, OneCyanCellAfterAWrongQuestionIsShownAgain)
{
    for (long row : {1, 2}) {
        answer(row, wrong(row));
        next();
    }
    ASSERT_EQ(modals.seen.size(), 2u);
    // On the screen, after the partial repaints of forced study and the next
    // question: both judged cells red, the one on screen cyan.
    const QRgb cyan = qRgb(0, 255, 255), red = qRgb(255, 0, 0);
    EXPECT_EQ(shownCellColour(1), red);
    EXPECT_EQ(shownCellColour(2), red);
    EXPECT_EQ(shownCellColour(3), cyan);
    // The colours of the hundred cells, read at their centres in the drawn card.
    auto colours = [&] {
        const QImage image = w->dw_1->grab().toImage();
        std::map<QRgb, int> count;
        for (int n = 1; n <= 100; ++n)
            ++count[drawnCellColour(image, n)];
        return count;
    };
    for (const char *cellName : {"t_1", "t_101"}) { // a click on the number or on the answer
        w->dw_1.clicked.Trigger(0, 0, 1, String(cellName));
        EXPECT_EQ(w->dw_2->GetRow(), 1);
        auto shown = colours();
        EXPECT_EQ(shown[cyan], 1);
        EXPECT_EQ(shown[red], 1);
        w->dw_1.clicked.Trigger(0, 0, 1, String("t_57"));
        shown = colours();
        EXPECT_EQ(shown[cyan], 1) << cellName;
        EXPECT_EQ(shown[red], 2) << cellName;
    }
}

TEST_F(Stepping, ClearedMultipleChoiceIsJudgedWrongAndTheLastRowStays)
{
    const long row = firstRowOfType(*w, "0");
    answer(row, "11");
    EXPECT_EQ(w->dw_2->GetItemString(row, "zdanswer"), "");
    next();
    EXPECT_EQ(modals.seen.size(), 1u);

    answer(100, right(100));
    next();
    EXPECT_EQ(w->dw_2->GetRow(), 100);
    EXPECT_EQ(flagInTable(100), "1");
}

TEST_F(Stepping, ElevenWrongOpenThePromptOnceContinueGoesOn)
{
    // Ten saved wrong answers: forced study. The eleventh, wrong but not yet
    // judged, counts at the next wrong judgement: the prompt instead.
    for (long row = 1; row <= 11; ++row)
        answer(row, wrong(row));
    w->f_display(1);
    for (long row = 1; row <= 3; ++row)
        next();
    EXPECT_EQ(modals.seen.front(), "prompt");
    EXPECT_EQ(modals.seen.size(), 3u);
    EXPECT_EQ(Left(modals.seen[1], 6), "study ");
    EXPECT_EQ(gs_error_jj_flag, "1");
    EXPECT_EQ(w->dw_2->GetRow(), 4);
    EXPECT_EQ(clock.RunningTimers(), 1);

    // A right judgement never opens the prompt.
    answer(20, right(20));
    next();
    EXPECT_EQ(modals.seen.size(), 3u);
}

TEST_F(Stepping, TenWrongIsNotEnough)
{
    for (long row = 1; row <= 10; ++row)
        answer(row, wrong(row));
    w->f_display(10);
    next();
    ASSERT_EQ(modals.seen.size(), 1u);
    EXPECT_EQ(Left(modals.seen[0], 6), "study ");
    EXPECT_EQ(gs_error_jj_flag, "0");
}

TEST_F(Stepping, PromptKeysAndItsHandIn)
{
    for (long row = 1; row <= 11; ++row)
        answer(row, wrong(row));
    modals.inPrompt = [] {
        for (Qt::Key key : {Qt::Key_1, Qt::Key_Escape, Qt::Key_Plus})
            QTest::keyClick(w_error_jj->widget(), key); // the main keyboard's + is no numeric-pad +
        EXPECT_TRUE(w_error_jj.IsValid());
        QTest::keyClick(w_error_jj->widget(), Qt::Key_Plus, Qt::KeypadModifier);
    };
    QPointer<Window> exam = w;
    next();
    EXPECT_EQ(modals.seen, std::vector<String>{"prompt"});
    EXPECT_EQ(gs_error_jj_flag, "2");
    EXPECT_FALSE(::w_mnkz_2012.IsValid());
    EXPECT_FALSE(w_error_jj.IsValid());
    ASSERT_TRUE(::w_jj.IsValid());
    EXPECT_EQ(::w_jj->st_1.Text(), "0分");
    EXPECT_EQ(clock.RunningTimers(), 0); // the closed examination's clock stays stopped
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(exam.isNull());
}

TEST_F(Stepping, ConfirmationLeavesTheClockRunningAndHandsInOrGoesOn)
{
    struct Case {
        std::function<void()> act;
        bool handsIn;
    } cases[] = {
        {[] { QTest::mouseClick(w_jj_enter->cb_2.widget(), Qt::LeftButton); }, true},
        {[] { QTest::mouseClick(w_jj_enter->cb_1.widget(), Qt::LeftButton); }, false},
        {[] { QTest::keyClick(w_jj_enter->widget(), Qt::Key_Escape); }, false},
        {[] { QTest::keyClick(w_jj_enter->widget(), Qt::Key_3); }, false},
        {[] { QTest::keyClick(w_jj_enter->widget(), Qt::Key_Plus, Qt::KeypadModifier); }, false},
        {[] { QTest::keyClick(w_jj_enter->widget(), Qt::Key_Return); }, false}, // the default button goes on
        {[] { w_jj_enter->widget()->close(); }, false},
    };
    answer(1, right(1));
    for (const Case &c : cases) {
        QTest::keyClick(w->cb_jj.widget(), Qt::Key_Plus, Qt::KeypadModifier);
        ASSERT_TRUE(w_jj_enter.IsValid());
        const String before = w->st_10.Text();
        clock.Advance(Milliseconds(1000));
        EXPECT_NE(w->st_10.Text(), before);
        c.act();
        EXPECT_FALSE(w_jj_enter.IsValid());
        EXPECT_EQ(::w_jj.IsValid(), c.handsIn);
        EXPECT_EQ(::w_mnkz_2012.IsValid(), !c.handsIn);
        if (c.handsIn) {
            EXPECT_EQ(::w_jj->st_1.Text(), "1分");
            CloseAllWindows();
            buildPaper("C1");
            w = &openExam();
        }
    }
}

// However the examination ends, its confirmation ends with it; the next
// examination's "交卷" asks afresh and hands in the paper now open.
TEST_F(Stepping, ConfirmationEndsWithItsExamination)
{
    const std::pair<const char *, std::function<void()>> endings[] = {
        {"time-out", [this] { clock.Advance(Milliseconds(2699 * 1000)); }},
        {"close box", [this] { w->widget()->close(); }},
        {"new paper", [this] { chooseClass("C1"); }},
    };
    for (const auto &[name, end] : endings) {
        SCOPED_TRACE(name);
        QTest::mouseClick(w->cb_jj.widget(), Qt::LeftButton);
        ASSERT_TRUE(w_jj_enter.IsValid());
        end();
        EXPECT_FALSE(w_jj_enter.IsValid());

        if (!::w_mnkz_2012.IsValid()) {
            buildPaper("C1");
            openExam();
        }
        w = &*::w_mnkz_2012;
        answer(1, right(1));
        QTest::mouseClick(w->cb_jj.widget(), Qt::LeftButton);
        ASSERT_TRUE(w_jj_enter.IsValid());
        QTest::mouseClick(w_jj_enter->cb_2.widget(), Qt::LeftButton);
        EXPECT_FALSE(::w_mnkz_2012.IsValid());
        ASSERT_TRUE(::w_jj.IsValid());
        EXPECT_EQ(::w_jj->st_1.Text(), "1分");

        Close(::w_jj);
        buildPaper("C1");
        w = &openExam();
    }
}

// The whole examination from the keyboard: a wrong answer every fifth
// question, the eleventh wrong one met by the prompt and handed in with
// numeric-pad +.
TEST_F(Stepping, WholeExaminationByKeys)
{
    modals.inPrompt = [] { QTest::keyClick(w_error_jj->widget(), Qt::Key_Plus, Qt::KeypadModifier); };
    // A result window left open from an earlier hand-in must not stand in.
    ::Open(::w_jj);
    long rightAnswers = 0;
    for (long row = 1; row <= 100 && ::w_mnkz_2012.IsValid(); ++row) {
        ASSERT_EQ(w->dw_2->GetRow(), row);
        const bool wrongOne = row % 5 == 0;
        for (char d : wrongOne ? wrong(row) : right(row))
            QTest::keyClick(w->cb_jj.widget(), static_cast<Qt::Key>(Qt::Key_0 + (d - '0')), Qt::KeypadModifier);
        rightAnswers += !wrongOne;
        const size_t seenBefore = modals.seen.size();
        next();
        if (!::w_mnkz_2012.IsValid())
            break;
        EXPECT_EQ(modals.seen.size(), seenBefore + (wrongOne ? 1 : 0)) << row;
        if (wrongOne) {
            EXPECT_EQ(modals.seen.back(), "study " + String(row) + " 标准答案:" + gf_getstring(right(row)));
        }
    }
    ASSERT_EQ(modals.seen.size(), 11u);
    EXPECT_EQ(modals.seen.back(), "prompt");
    EXPECT_EQ(rightAnswers, 44); // questions 1 to 55 but the eleven wrong ones

    ASSERT_TRUE(::w_jj.IsValid());
    long counted = 0;
    sqlca.SelectInto("select count(*) from t_kzmn where answer = zdanswer", {}, counted);
    EXPECT_EQ(counted, 44);
    EXPECT_EQ(::w_jj->st_1.Text(), "44分");
    EXPECT_EQ(::w_jj->st_1.TextColor(), RGB(250, 0, 0));

    DataWindow &list = *::w_jj->dw_1;
    ASSERT_EQ(list.RowCount(), 56); // eleven wrong, forty-five unanswered
    long unanswered = 0, pictures = 0;
    for (long r = 1; r <= list.RowCount(); ++r) {
        EXPECT_NE(list.GetItemString(r, "answer"), list.GetItemString(r, "zdanswer"));
        unanswered += list.GetItemString(r, "zdanswer") == "0";
        if (Trim(list.GetItemString(r, "pic")) != "") {
            ++pictures;
            EXPECT_FALSE(LoadPicture(list.EvaluateFor("compute_5", r).toString()).isNull()) << r;
        }
        EXPECT_NE(list.EvaluateFor("compute_6", r).toString(), "");
    }
    EXPECT_EQ(unanswered, 45);
    EXPECT_GT(pictures, 0);
}

} // namespace
