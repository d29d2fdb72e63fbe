// The examination window over a paper of the real bank: opening, the option
// shuffle, the display and answer card, answering and the wrong-answer book,
// and papers shorter than the card.
#include "exam_fixture.h"

#include "app/of_decrypt.h"
#include "replaced.h"
#include "runtime/draw/colors.h"
#include "runtime/draw/units.h"
#include "runtime/dw/render.h"

#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <map>
#include <set>

using namespace runtime;

namespace {

const String kGrey = String(RGB(194, 194, 194));
const String kCyan = String(RGB(0, 255, 255));

class Exam : public ExamTest {
protected:
    class w_mnkz_2012 &open()
    {
        buildPaper("C1");
        return openExam();
    }
    static String stored(long mno)
    {
        String s;
        sqlca.SelectInto("select zdanswer from t_kzmn where mno = ?", {mno}, s);
        return s;
    }
    static long mnoOf(class w_mnkz_2012 &w, long row) { return static_cast<long>(w.dw_2->GetItemNumber(row, "mno")); }
};

TEST_F(Exam, OpensNotJudgedOnQuestionOneWithANumberedCard)
{
    buildPaper("C1");
    sqlca.ExecuteImmediate("update t_kzmn set errorflag = '2'");
    Replaced handedIn(gs_error_jj_flag, "2");
    auto &w = openExam();

    for (const Row &r : paper())
        EXPECT_EQ(r[4].toString(), "0");
    EXPECT_EQ(gs_error_jj_flag, "0");
    EXPECT_EQ(w.il_maxrow, 100);
    EXPECT_EQ(w.dw_2->GetRow(), 1);
    EXPECT_EQ(cell(w, 1, "text"), "1");
    EXPECT_EQ(cell(w, 100, "text"), "100");
    EXPECT_EQ(cell(w, 101, "font.weight"), "700");
    EXPECT_EQ(cell(w, 1, "background.color"), kCyan);
    EXPECT_EQ(cell(w, 2, "background.color"), kGrey);
    EXPECT_EQ(cell(w, 100, "background.mode"), "0");
    EXPECT_FALSE(w.cb_1.Enabled());
    EXPECT_TRUE(w.cb_2.Enabled());
    EXPECT_EQ(w.st_10.Text(), "44:59");
    EXPECT_TRUE(w.widget()->focusWidget() == w.cb_4.widget());
    for (CheckBox *b : {&w.cbx_choice1, &w.cbx_choice2, &w.cbx_choice3, &w.cbx_choice4})
        EXPECT_FALSE(b->Visible());
    // The paper starts with true/false questions.
    EXPECT_EQ(w.is_tx, "2");
    EXPECT_EQ(w.cb_4.Text(), "√");
    EXPECT_EQ(w.cb_5.Text(), "×");
    EXPECT_FALSE(w.cb_6.Visible());
    EXPECT_EQ(w.st_message.Text(), "对错题，请判断对错！");
    EXPECT_EQ(w.st_txt.Text(), "1、" + of_decrypt(w.dw_2->GetItemString(1, "txt")));
}

TEST_F(Exam, ShuffleMovesTheRightAnswerWithItsOptionAndLeavesOtherTypes)
{
    buildPaper("C1");
    std::map<long, Row> before;
    for (const Row &r : sqlca.Query("select mno, tx, answer, choice1, choice2, choice3, choice4 from t_kzmn").rows)
        before[r[0].toLong()] = r;
    openExam();

    std::set<String> positions;
    for (const Row &after : sqlca.Query("select mno, tx, answer, choice1, choice2, choice3, choice4 from t_kzmn").rows) {
        const Row &old = before.at(after[0].toLong());
        if (old[1].toString() != "1") {
            EXPECT_EQ(after, old);
            continue;
        }
        const String rightText = old[2 + Long(old[2].toString())].toString();
        EXPECT_EQ(after[2 + Long(after[2].toString())].toString(), rightText);
        std::multiset<String> a, b;
        for (int k = 3; k <= 6; ++k) {
            a.insert(old[static_cast<size_t>(k)].toString());
            b.insert(after[static_cast<size_t>(k)].toString());
            EXPECT_EQ(Pos(after[static_cast<size_t>(k)].toString(), "---xwd"), 0);
        }
        EXPECT_EQ(a, b);
        positions.insert(after[2].toString());
    }
    EXPECT_GE(positions.size(), 3u); // the right option lands anywhere
}

TEST_F(Exam, SingleChoiceAndTrueFalseStoreEachPressAndTheCard)
{
    auto &w = open();
    const long tf = firstRowOfType(w, "2"), single = firstRowOfType(w, "1");

    struct Press {
        long row;
        CommandButton *button;
        const char *stored, *card;
    } presses[] = {{tf, &w.cb_4, "1", "√"},     {tf, &w.cb_5, "2", "×"},     {single, &w.cb_5, "2", "B"},
                   {single, &w.cb_5, "2", "B"}, {single, &w.cb_6, "3", "C"}, {single, &w.cb_7, "4", "D"}};
    for (const Press &p : presses) {
        w.f_display(static_cast<int>(p.row));
        QTest::mouseClick(p.button->widget(), Qt::LeftButton);
        EXPECT_EQ(stored(mnoOf(w, p.row)), p.stored);
        EXPECT_EQ(cell(w, p.row + 100, "text"), p.card);
        EXPECT_EQ(w.st_youranswer.Text(), p.card);
        EXPECT_EQ(w.dw_2->GetRow(), p.row); // the question stays on display
    }
}

TEST_F(Exam, WrongAnswersEnterTheBookOncePerQuestion)
{
    auto &w = open();
    const long single = firstRowOfType(w, "1");
    const long mno = mnoOf(w, single);
    const long right = Long(w.dw_2->GetItemString(single, "answer"));
    const long wrong = right % 4 + 1;
    CommandButton *buttons[] = {&w.cb_4, &w.cb_5, &w.cb_6, &w.cb_7};

    w.f_display(static_cast<int>(single));
    buttons[right - 1]->clicked.Trigger();
    EXPECT_EQ(errorRows(mno), 0);
    buttons[wrong - 1]->clicked.Trigger();
    buttons[wrong - 1]->clicked.Trigger();
    buttons[right - 1]->clicked.Trigger();
    EXPECT_EQ(errorRows(mno), 1);
    EXPECT_EQ(stored(mno), String(right));
    const auto row = sqlca.Query("select user, zdanswer, flag from t_error where mno = ?", {mno}).rows.at(0);
    EXPECT_EQ(row[0].toString(), "kelvadorint");
    EXPECT_TRUE(row[1].isNull() && row[2].isNull());

    // A question already in the book from practice gets no second row.
    const long tf = firstRowOfType(w, "2");
    sqlca.Execute("insert into t_error(user, mno, flag) values('kelvadorint', ?, 3)", {mnoOf(w, tf)});
    w.f_display(static_cast<int>(tf));
    buttons[2 - Long(w.dw_2->GetItemString(tf, "answer"))]->clicked.Trigger(); // the other sign
    EXPECT_EQ(errorRows(mnoOf(w, tf)), 1);
}

TEST_F(Exam, MultipleChoiceTickedCADIsStored134)
{
    auto &w = open();
    const long multiple = firstRowOfType(w, "0");
    const long mno = mnoOf(w, multiple);
    w.f_display(static_cast<int>(multiple));
    EXPECT_TRUE(w.cbx_choice1.Visible());

    // C by its check box, A by its button, D by the key 4.
    QTest::mouseClick(w.cbx_choice3.widget(), Qt::LeftButton);
    EXPECT_EQ(stored(mno), "3");
    QTest::mouseClick(w.cb_4.widget(), Qt::LeftButton);
    EXPECT_EQ(stored(mno), "13");
    QTest::keyClick(w.cb_4.widget(), Qt::Key_4);
    EXPECT_EQ(stored(mno), "134");
    EXPECT_EQ(cell(w, multiple + 100, "text"), "ACD");
    EXPECT_EQ(w.st_youranswer.Text(), "ACD");
    EXPECT_TRUE(w.cbx_choice1.Checked() && !w.cbx_choice2.Checked() && w.cbx_choice3.Checked() && w.cbx_choice4.Checked());
    // A right answer of two or more digits differs from the first tick, so
    // the question is in the book once, whatever the final selection.
    EXPECT_EQ(errorRows(mno), 1);

    // A once more takes it out; leaving and coming back goes on from "34".
    w.cb_4.clicked.Trigger();
    EXPECT_EQ(stored(mno), "34");
    EXPECT_EQ(w.st_youranswer.Text(), "CD");
    w.f_display(1);
    w.f_display(static_cast<int>(multiple));
    EXPECT_EQ(w.is_currentzdanswer, "34");
    EXPECT_EQ(w.is_flag3, "1");
    EXPECT_EQ(w.is_flag1, "0");
    EXPECT_TRUE(w.cbx_choice4.Checked());
    EXPECT_EQ(w.st_youranswer.Text(), "CD");

    // Every tick cleared stores the empty answer, not "0".
    w.cb_6.clicked.Trigger();
    w.cb_7.clicked.Trigger();
    EXPECT_EQ(stored(mno), "");
    EXPECT_EQ(cell(w, multiple + 100, "text"), "");
}

TEST_F(Exam, AJudgedQuestionTakesNoAnswer)
{
    auto &w = open();
    const long multiple = firstRowOfType(w, "0");
    w.f_display(static_cast<int>(multiple));
    w.cb_5.clicked.Trigger();
    w.dw_2->SetItem(multiple, "errorflag", "1");
    w.f_display(static_cast<int>(multiple));
    for (CommandButton *b : {&w.cb_4, &w.cb_5, &w.cb_6, &w.cb_7})
        EXPECT_FALSE(b->Enabled());
    EXPECT_TRUE(w.cbx_choice2.Checked()); // the saved ticks show
    QTest::keyClick(w.cb_jj.widget(), Qt::Key_1);
    QTest::mouseClick(w.cbx_choice3.widget(), Qt::LeftButton);
    EXPECT_EQ(stored(mnoOf(w, multiple)), "2");
    EXPECT_EQ(w.is_currentzdanswer, "2");
}

TEST_F(Exam, DisplayShowsPicturesAndTheCardTakesClicks)
{
    auto &w = open();
    long withPicture = 0;
    for (long r = 1; r <= 100 && !withPicture; ++r)
        if (Trim(w.dw_2->GetItemString(r, "pic")) != "" && w.dw_2->GetItemString(r, "picflag") == "1")
            withPicture = r;
    ASSERT_NE(withPicture, 0);
    w.f_display(static_cast<int>(withPicture));
    EXPECT_TRUE(w.p_pic.Visible());
    EXPECT_EQ(w.p_pic.PictureName(), "images\\" + w.dw_2->GetItemString(withPicture, "pic"));
    EXPECT_EQ(w.st_choice1.Width(), 2000);

    // A question without a picture hides it.
    long without = 1;
    while (Trim(w.dw_2->GetItemString(without, "pic")) != "")
        ++without;
    w.f_display(static_cast<int>(without));
    EXPECT_FALSE(w.p_pic.Visible());

    // A click on the answer text of cell 57 shows question 57; beside the
    // cells nothing changes, and the focus goes to A either way.
    const DrawObject *t157 = w.dw_1->dataObject().object("t_157");
    const QPoint inside(UnitsToPixelsX(static_cast<int>(Long(t157->get("x")) + 20)),
                        UnitsToPixelsY(static_cast<int>(Long(t157->get("y")) + 20)));
    w.dw_1->clickAt(inside);
    EXPECT_EQ(w.dw_2->GetRow(), 57);
    EXPECT_EQ(w.il_currentrow, 57);
    EXPECT_EQ(cell(w, 57, "background.color"), kCyan);
    EXPECT_EQ(cell(w, 1, "background.color"), kGrey);
    EXPECT_EQ(w.st_txt.Text().substr(0, 4), String("57、"));
    EXPECT_TRUE(w.cb_1.Enabled());
    w.cb_jj.SetFocus();
    w.dw_1->clickAt(QPoint(UnitsToPixelsX(1500), UnitsToPixelsY(1150)));
    EXPECT_EQ(w.dw_2->GetRow(), 57);
    EXPECT_TRUE(w.widget()->focusWidget() == w.cb_4.widget());

    // Question 100: next is disabled, previous enabled.
    w.f_display(100);
    EXPECT_FALSE(w.cb_2.Enabled());
    EXPECT_TRUE(w.cb_1.Enabled());
}

// The four letters of a multiple-choice answer show inside their cell: the
// card stays white between the cells beside them.
TEST_F(Exam, AnAnswerOfFourLettersStaysInItsCell)
{
    auto &w = open();
    const long row = firstRowOfType(w, "0");
    ASSERT_GT(row, 0);
    w.f_display(static_cast<int>(row));
    for (Qt::Key k : {Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4})
        QTest::keyClick(w.cb_jj.widget(), k);
    ASSERT_EQ(cell(w, row + 100, "text"), "ABCD");

    const QImage image = w.dw_1->grab().toImage();
    auto box = [&](long n) { return ObjectRect(*w.dw_1->dataObject().object("t_" + String(n)), 0); };
    const QRect cellBox = box(row), answer = box(row + 100);
    int ink = 0;
    for (int y = answer.top(); y <= answer.bottom(); ++y) {
        EXPECT_EQ(image.pixelColor(cellBox.left() - 1, y), QColor(Qt::white)) << "row " << y;
        EXPECT_EQ(image.pixelColor(cellBox.right() + 1, y), QColor(Qt::white)) << "row " << y;
        for (int x = answer.left(); x <= answer.right(); ++x)
            ink += image.pixelColor(x, y).lightness() < 100;
    }
    EXPECT_GT(ink, 30);
}

TEST_F(Exam, ACellJudgedWrongKeepsItsRed)
{
    auto &w = open();
    w.dw_2->SetItem(3, "errorflag", "2");
    w.dw_1->Modify("t_3.background.color='255'");
    w.f_display(5);
    EXPECT_EQ(cell(w, 3, "background.color"), "255");
    EXPECT_EQ(cell(w, 4, "background.color"), kGrey);
}

// Papers the card is not made for: a paper of two questions (the small
// bank's group B2) and a paper without any.
class ShortPaper : public ExamTest {
protected:
    ShortPaper() : ExamTest(TestBank()) {}
};

TEST_F(ShortPaper, CellsAndJumpsBeyondTheLastQuestionDoNothing)
{
    buildPaper("B2");
    auto &w = openExam();
    EXPECT_EQ(w.il_maxrow, 2);
    EXPECT_EQ(w.dw_2->GetRow(), 1);
    EXPECT_EQ(cell(w, 1, "background.color"), kCyan);
    EXPECT_EQ(cell(w, 50, "background.color"), kGrey);
    EXPECT_EQ(cell(w, 100, "text"), "100");

    for (Qt::Key k : {Qt::Key_8, Qt::Key_9})
        QTest::keyClick(w.cb_4.widget(), k);
    w.dw_1.clicked.Trigger(0, 0, 1, "t_57");
    w.dw_1.clicked.Trigger(0, 0, 1, "t_157");
    EXPECT_EQ(w.dw_2->GetRow(), 1);
    EXPECT_EQ(cell(w, 1, "background.color"), kCyan);

    // The last question answers as usual.
    w.f_display(2);
    w.cb_4.clicked.Trigger();
    EXPECT_EQ(paper()[1][3].toString(), "1");
    EXPECT_EQ(w.il_currentrow, 2); // not beyond the paper
}

TEST_F(ShortPaper, AnEmptyPaperShowsNoQuestionAndTakesNoAnswer)
{
    buildPaper("none");
    auto &w = openExam();
    EXPECT_EQ(w.il_maxrow, 0);
    EXPECT_EQ(w.st_txt.Text(), "");
    for (CommandButton *b : {&w.cb_4, &w.cb_5, &w.cb_6, &w.cb_7})
        EXPECT_FALSE(b->Enabled());
    for (Qt::Key k : {Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4, Qt::Key_5, Qt::Key_8, Qt::Key_9})
        QTest::keyClick(w.cb_jj.widget(), k);
    w.cbx_choice1.clicked.Trigger();
    w.dw_1.clicked.Trigger(0, 0, 1, "t_1");
    clock.Advance(Milliseconds(1000));
    EXPECT_EQ(w.st_10.Text(), "44:58");
    EXPECT_TRUE(paper().empty());
    // TearDown checks that no run-time error was raised.
}

} // namespace
