// The examination clock on the manual clock, and the keyboard.
#include "exam_fixture.h"

#include "exam/w_jj.h"
#include "x11_keys.h"

using namespace runtime;

namespace {

class ExamClock : public ExamTest {};

TEST_F(ExamClock, CountsSixtyToOneAndHandsInAfter2699Seconds)
{
    buildPaper("C1");
    auto &w = openExam();
    struct Step {
        long elapsed;
        const char *shown;
    } steps[] = {{1, "44:58"}, {58, "44:01"}, {59, "43:60"}, {60, "43:59"},
                 {2099, "09:60"}, {2694, "00:05"}, {2698, "00:01"}};
    long now = 0;
    for (const Step &s : steps) {
        clock.Advance(Milliseconds((s.elapsed - now) * 1000));
        now = s.elapsed;
        ASSERT_EQ(w.st_10.Text(), s.shown) << s.elapsed;
    }
    EXPECT_FALSE(::w_jj.IsValid());
    clock.Advance(Milliseconds(1000));
    EXPECT_TRUE(::w_jj.IsValid());
    EXPECT_FALSE(::w_mnkz_2012.IsValid());
    EXPECT_EQ(clock.RunningTimers(), 0);
}

TEST_F(ExamClock, APaperClosedBeforeTheEndIsNotHandedIn)
{
    buildPaper("C1");
    openExam();
    clock.Advance(Milliseconds(100 * 1000));
    Close(::w_mnkz_2012);
    clock.Advance(Milliseconds(3000 * 1000));
    EXPECT_FALSE(::w_jj.IsValid());
}

class ExamKeys : public ExamTest {
protected:
    void SetUp() override
    {
        ExamTest::SetUp();
        buildPaper("C1");
        w = &openExam();
        // The previous, next and hand-in buttons note their presses here.
        w->cb_1.clicked = [this] { pressed.push_back("cb_1"); };
        w->cb_2.clicked = [this] { pressed.push_back("cb_2"); };
        w->cb_jj.clicked = [this] { pressed.push_back("cb_jj"); };
    }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(w->cb_jj.widget(), key, modifiers);
    }
    String stored(long row)
    {
        String s;
        sqlca.SelectInto("select zdanswer from t_kzmn where mno = ?", {w->dw_2->GetItemNumber(row, "mno")}, s);
        return s;
    }
    class w_mnkz_2012 *w = nullptr;
    std::vector<std::string> pressed;
};

TEST_F(ExamKeys, JumpsOnTheDigitRowAndTheNumericPadAlike)
{
    struct Case {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        long row;
    } cases[] = {{Qt::Key_9, Qt::NoModifier, 41}, {Qt::Key_5, Qt::NoModifier, 1},   {Qt::Key_8, Qt::NoModifier, 100},
                 {Qt::Key_9, Qt::KeypadModifier, 41}, {Qt::Key_5, Qt::KeypadModifier, 1}, {Qt::Key_8, Qt::KeypadModifier, 100}};
    for (const Case &c : cases) {
        w->cb_jj.SetFocus();
        press(c.key, c.modifiers);
        EXPECT_EQ(w->dw_2->GetRow(), c.row);
        EXPECT_EQ(cell(*w, c.row, "background.color"), String(RGB(0, 255, 255)));
        EXPECT_TRUE(w->widget()->focusWidget() == w->cb_4.widget());
    }
    EXPECT_EQ(w->il_currentrow, 0); // jumps leave the row variable alone
}

TEST_F(ExamKeys, DigitsAnswerAndTheOtherKeysPressTheirButtons)
{
    const long tf = firstRowOfType(*w, "2"), single = firstRowOfType(*w, "1");
    w->f_display(static_cast<int>(tf));
    press(Qt::Key_3);
    press(Qt::Key_4);
    EXPECT_EQ(stored(tf), "0"); // no C or D for true/false
    press(Qt::Key_2, Qt::KeypadModifier);
    EXPECT_EQ(stored(tf), "2");
    press(Qt::Key_1, Qt::ShiftModifier);
    EXPECT_EQ(stored(tf), "1");

    w->f_display(static_cast<int>(single));
    press(Qt::Key_3);
    EXPECT_EQ(stored(single), "3");
    press(Qt::Key_4, Qt::KeypadModifier);
    EXPECT_EQ(stored(single), "4");

    for (Qt::Key k : {Qt::Key_0, Qt::Key_A, Qt::Key_Minus})
        press(k);
    press(Qt::Key_Minus, Qt::KeypadModifier);
    EXPECT_TRUE(pressed.empty());
    press(Qt::Key_6);
    press(Qt::Key_7, Qt::KeypadModifier);
    press(Qt::Key_Plus, Qt::KeypadModifier);
    EXPECT_EQ(pressed, (std::vector<std::string>{"cb_1", "cb_2", "cb_jj"}));
    EXPECT_EQ(stored(single), "4");
}

// The keys as X11 delivers them, Shift, Ctrl and Alt held or not, the
// numeric pad with NumLock on and off: each starts on a new single-choice
// question and shows what the learner gets.
TEST_F(ExamKeys, EveryDigitWorksAsX11DeliversItWithAnyModifierAndOnThePad)
{
    using namespace x11;
    struct Case {
        X11Key key;
        const char *effect;
    } cases[] = {
        {Digit(1), "answer 1"},        {Shift1, "answer 1"},          {Ctrl1, "answer 1"},
        {Alt1, "answer 1"},            {KpEnd, "answer 1"},           {KpDigit(1), "answer 1"},
        {ShiftKp1Locked, "answer 1"},  {CtrlKp1Locked, "answer 1"},   {Shift2, "answer 2"},
        {KpDown, "answer 2"},          {KpDigit(2), "answer 2"},      {Shift3, "answer 3"},
        {KpNext, "answer 3"},          {Shift4, "answer 4"},          {KpLeft, "answer 4"},
        {Shift5, "question 1"},        {KpBegin, "question 1"},       {KpDigit(5), "question 1"},
        {Shift8, "question 100"},      {Ctrl8, "question 100"},       {Alt8, "question 100"},
        {KpUp, "question 100"},        {KpDigit(8), "question 100"},  {Shift9, "question 41"},
        {KpPrior, "question 41"},      {KpDigit(9), "question 41"},   {Shift6, "cb_1"},
        {KpRight, "cb_1"},             {Shift7, "cb_2"},              {KpHome, "cb_2"},
        {KpAdd, "cb_jj"},              {KpAddLocked, "cb_jj"},        {KpMultiply, "nothing"},
        {KpMultiplyLocked, "nothing"}, {Plus, "nothing"},             {Minus, "nothing"},
        {KpSubtract, "nothing"},       {Digit(0), "nothing"},         {KpInsert, "nothing"},
        {LetterA, "nothing"},          {ShiftA, "nothing"},
    };
    long row = firstRowOfType(*w, "1");
    ASSERT_GT(row, 0);
    for (const Case &c : cases) {
        ASSERT_EQ(w->dw_2->GetItemString(row, "tx"), "1") << row;
        w->f_display(static_cast<int>(row));
        w->cb_5.SetFocus();
        pressed.clear();
        x11::Press(w->widget(), c.key);
        std::string effect = "nothing";
        if (stored(row) != "0")
            effect = "answer " + ToUtf8(stored(row));
        else if (!pressed.empty())
            effect = pressed.front();
        else if (w->dw_2->GetRow() != row)
            effect = "question " + std::to_string(w->dw_2->GetRow());
        EXPECT_EQ(effect, c.effect) << c.key.name;
        EXPECT_LE(pressed.size(), 1u) << c.key.name;
        ++row;
    }
}

} // namespace
