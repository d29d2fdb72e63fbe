// The practice window: picks judged and entered under the set's number,
// "下一题" judging multiple choice, moving, the hint, the clock and keys,
// the number dialog and the hand-in to the set's score.
#include "practice_fixture.h"

#include "paper/w_find.h"
#include "practice/w_jj_tc.h"
#include "practice/w_tclx.h"
#include "replaced.h"
#include "runtime/draw/colors.h"
#include "runtime/ui/urlopener.h"
#include "test_windows.h"
#include "x11_keys.h"

using namespace runtime;

namespace {

class Practice : public PracticeTest {
protected:
    void SetUp() override
    {
        PracticeTest::SetUp();
        openChooser();
        click(chooserButton("试卷3"));
        ASSERT_TRUE(::w_tclx.IsValid());
        w = &*::w_tclx;
    }
    void show(long row) { w->f_display(static_cast<int>(row)); }
    // Picks an option by clicking its text.
    void pick(int option) { click(*std::array<Control *, 4>{&w->st_choice1, &w->st_choice2, &w->st_choice3, &w->st_choice4}[option - 1]); }

    class w_tclx *w = nullptr;
};

TEST_F(Practice, ARightPickMovesOnAndAWrongOneStaysAndEntersTheBookOnce)
{
    const long row = rowOfType(*w, "1");
    show(row);
    const long mno = mnoOf(*w, row);
    const String right = w->dw_1->GetItemString(row, "answer"), wrong = wrongDigit(*w, row);

    pick(Long(wrong));
    EXPECT_EQ(w->dw_1->GetRow(), row);
    EXPECT_TRUE(w->p_message2.Visible());
    EXPECT_EQ(w->p_message2.PictureName(), "pic\\error.gif");
    EXPECT_TRUE(w->st_readme.Visible());
    EXPECT_EQ(w->optionText(Long(wrong)).TextColor(), RGB(250, 0, 0));
    EXPECT_EQ(w->optionText(Long(right)).TextColor(), RGB(0, 0, 255));
    EXPECT_EQ(book(), (std::vector<std::string>{std::to_string(mno) + "/3/" + ToUtf8(wrong)}));
    EXPECT_EQ(w->st_wzyz.Text(), "已做题数:0   未做题数:100"); // not recounted on a wrong pick

    pick(Long(wrong) == 1 ? 3 : 4); // another wrong option (answer is 1 or 2 here, or not)
    EXPECT_EQ(book().size(), 1u);  // the first wrong answer stays

    show(row);
    pick(Long(right));
    EXPECT_EQ(stored(*w, row), right);
    EXPECT_EQ(w->dw_1->GetRow(), row + 1);
    EXPECT_EQ(w->st_wzyz.Text(), "已做题数:1   未做题数:99");
    EXPECT_EQ(book().size(), 1u); // a right answer takes nothing out
}

TEST_F(Practice, TheSameQuestionWrongInTwoSetsHasARowForEach)
{
    sqlca.ExecuteImmediate("insert into t_error (user, mno, flag, zdanswer) values ('kelvadorint', 1, 5, '1')");
    show(1);
    const long mno = mnoOf(*w, 1);
    sqlca.Execute("update t_error set mno = ?", {mno});
    pick(Long(wrongDigit(*w, 1)));
    EXPECT_EQ(count("select count(*) from t_error"), 2);
}

TEST_F(Practice, NextJudgesAMultipleChoiceAnswerAndEntersTheFirstWrongOneOnce)
{
    const long row = rowOfType(*w, "0");
    ASSERT_GT(row, 0);
    show(row);
    const String answer = w->dw_1->GetItemString(row, "answer");
    const long mno = mnoOf(*w, row);

    // Nothing ticked: wrong, entered with "0".
    click(w->cb_next);
    EXPECT_EQ(w->dw_1->GetRow(), row);
    EXPECT_TRUE(w->p_message2.Visible());
    EXPECT_TRUE(w->st_readme.Visible());
    EXPECT_EQ(book(), (std::vector<std::string>{std::to_string(mno) + "/3/0"}));
    click(w->cb_next);
    click(w->cb_next);
    EXPECT_EQ(book().size(), 1u);

    // Tick the right options through their boxes: each tick is stored.
    for (int i = 1; i <= 4; ++i)
        if (Pos(answer, String(i)) > 0) {
            click(w->optionBox(i));
            EXPECT_TRUE(w->optionBox(i).Checked());
            EXPECT_EQ(w->optionFlag(i), "1");
        }
    EXPECT_EQ(w->is_currentzdanswer, answer);
    EXPECT_EQ(stored(*w, row), answer);
    click(w->cb_next);
    EXPECT_EQ(w->dw_1->GetRow(), std::min(row + 1, w->il_maxrow));
    EXPECT_EQ(w->st_wzyz.Text(), "已作答:1   未作答:99");
    EXPECT_EQ(book().size(), 1u);

    // Coming back shows the stored answer ticked and judged right.
    show(row);
    EXPECT_TRUE(w->p_message2.Visible());
    EXPECT_EQ(w->p_message2.PictureName(), "pic\\ok.gif");
    EXPECT_FALSE(w->st_readme.Visible());

    // Unticking a ticked option stores the shorter answer.
    const int first = Long(Left(answer, 1));
    click(w->optionText(first));
    EXPECT_EQ(stored(*w, row), Mid(answer, 2));
    EXPECT_EQ(w->optionText(first).TextColor(), RGB(0, 0, 255));
}

TEST_F(Practice, DisplayShowsTypeNumberAndTheStoredAnswer)
{
    const long tf = rowOfType(*w, "2");
    show(tf);
    EXPECT_EQ(w->gb_1.Text(), "NO." + String(tf) + "【判断题】");
    EXPECT_FALSE(w->st_choice3.Visible());
    EXPECT_EQ(w->st_choice4.Text(), "");
    EXPECT_FALSE(w->cbx_choice1.Visible());
    EXPECT_EQ(Left(w->st_txt.Text(), 4), "    ");

    const long single = rowOfType(*w, "1");
    show(single);
    EXPECT_EQ(w->gb_1.Text(), "NO." + String(single) + "【选择题】");
    EXPECT_TRUE(w->st_choice4.Visible());
    EXPECT_EQ(Left(w->st_choice3.Text(), 3), "C. ");
    for (int i = 1; i <= 4; ++i)
        EXPECT_EQ(w->optionText(i).TextColor(), RGB(0, 0, 255)); // unanswered: all blue

    const long multi = rowOfType(*w, "0");
    sqlca.Execute("update t_kzmn set zdanswer = '13' where mno = ?", {mnoOf(*w, multi)});
    w->dw_1->Retrieve();
    show(multi);
    EXPECT_EQ(w->gb_1.Text(), "NO." + String(multi) + "【多项选择题】");
    EXPECT_EQ(w->is_flag1 + w->is_flag2 + w->is_flag3 + w->is_flag4, "1010");
    EXPECT_TRUE(w->cbx_choice3.Checked());
    EXPECT_EQ(w->st_choice2.TextColor(), RGB(0, 0, 0));
    EXPECT_EQ(w->st_choice1.TextColor(), RGB(250, 0, 0));
    EXPECT_EQ(w->is_currentzdanswer, "13");
    const bool right = w->dw_1->GetItemString(multi, "answer") == "13";
    EXPECT_EQ(w->p_message2.PictureName(), right ? "pic\\ok.gif" : "pic\\error.gif");
}

TEST_F(Practice, TheHintUnderlinesTheRightOptionsUntilSwitchedOff)
{
    const long multi = rowOfType(*w, "0");
    show(multi);
    const String answer = w->dw_1->GetItemString(multi, "answer");
    click(w->cb_da);
    EXPECT_EQ(w->cb_da.Text(), "答案不提示");
    for (int i = 1; i <= 4; ++i)
        EXPECT_EQ(w->optionText(i).GetFont().underline, Pos(answer, String(i)) > 0) << i;
    EXPECT_EQ(stored(*w, multi), "0");

    click(w->cb_frist);
    const String first = w->dw_1->GetItemString(1, "answer");
    EXPECT_TRUE(w->optionText(Long(first)).GetFont().underline);

    click(w->cb_da);
    EXPECT_EQ(w->cb_da.Text(), "答案提示");
    for (int i = 1; i <= 4; ++i)
        EXPECT_FALSE(w->optionText(i).GetFont().underline);
}

TEST_F(Practice, MovingStopsAtTheEndsAndFindsTheFirstUnanswered)
{
    click(w->cb_tg); // skip first thing after opening: row 2
    EXPECT_EQ(w->dw_1->GetRow(), 2);
    click(w->cb_forward);
    click(w->cb_forward);
    EXPECT_EQ(w->dw_1->GetRow(), 1);
    click(w->cb_last);
    click(w->cb_tg);
    EXPECT_EQ(w->dw_1->GetRow(), 100);
    click(w->cb_next); // a multiple-choice question unanswered: stays
    EXPECT_EQ(w->dw_1->GetRow(), 100);

    sqlca.ExecuteImmediate("update t_kzmn set zdanswer = '1'");
    sqlca.Execute("update t_kzmn set zdanswer = '0' where mno in (?, ?)", {mnoOf(*w, 3), mnoOf(*w, 7)});
    w->dw_1->Retrieve();
    click(w->cb_wz);
    EXPECT_EQ(w->dw_1->GetRow(), 3);
    click(w->cb_wz);
    EXPECT_EQ(w->dw_1->GetRow(), 3);
    sqlca.ExecuteImmediate("update t_kzmn set zdanswer = '1'");
    w->dw_1->Retrieve();
    click(w->cb_wz);
    EXPECT_EQ(w->dw_1->GetRow(), 100);
}

TEST_F(Practice, TheForumLinkOpensTheQuestionsThread)
{
    std::vector<String> opened;
    Replaced opener(SetUrlOpener, [&](const String &url) { opened.push_back(url); });
    w->is_tieba = "345";
    click(w->cb_tieba);
    EXPECT_EQ(opened, std::vector<String>{"http://bbs.weituo-lianxi.example/read-345-0.html"});
}

TEST_F(Practice, TheClockCountsDownAndOffersTheHandInAtTheEnd)
{
    Replaced chosen(gs_cx, "C1");
    boxes.clear();
    SetMessageBoxHandler([this](const MessageBoxRequest &r) {
        boxes.push_back(r);
        return 2; // declined
    });
    clock.Advance(Milliseconds(1000));
    EXPECT_EQ(w->st_1.Text(), "姓名:维拓网 身份证号:358888888888888888 车型:C1   剩余时间:  200:58");
    clock.Advance(Milliseconds(57 * 1000));
    EXPECT_EQ(Right(w->st_1.Text(), 6), " 200:1");
    clock.Advance(Milliseconds(1000));
    EXPECT_EQ(Right(w->st_1.Text(), 6), "199:60");
    clock.Advance(Milliseconds((12058 - 59) * 1000));
    EXPECT_EQ(Right(w->st_1.Text(), 5), "  0:1");
    EXPECT_TRUE(boxes.empty());
    clock.Advance(Milliseconds(1000));
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "是否确认交卷?");
    EXPECT_EQ(Right(w->st_1.Text(), 5), "  0:1"); // no header on the time-out tick
    clock.Advance(Milliseconds(1000));
    EXPECT_EQ(Right(w->st_1.Text(), 5), "-1:59");
    clock.Advance(Milliseconds(59 * 1000));
    EXPECT_EQ(boxes.size(), 2u);
}

TEST_F(Practice, KeysPickMoveAndHandIn)
{
    const long tf = rowOfType(*w, "2");
    show(tf);
    press(*w, Qt::Key_3);
    press(*w, Qt::Key_4, Qt::KeypadModifier);
    press(*w, Qt::Key_0);
    press(*w, Qt::Key_Minus);
    EXPECT_EQ(stored(*w, tf), "0");
    EXPECT_EQ(w->dw_1->GetRow(), tf);

    const long multi = rowOfType(*w, "0");
    show(multi);
    press(*w, Qt::Key_3); // not on multiple choice here
    EXPECT_EQ(stored(*w, multi), "0");
    press(*w, Qt::Key_1, Qt::KeypadModifier);
    EXPECT_EQ(stored(*w, multi), "1");

    press(*w, Qt::Key_5);
    EXPECT_EQ(w->dw_1->GetRow(), 1);
    press(*w, Qt::Key_8);
    EXPECT_EQ(w->dw_1->GetRow(), 100);
    press(*w, Qt::Key_6, Qt::KeypadModifier);
    EXPECT_EQ(w->dw_1->GetRow(), 99);
    press(*w, Qt::Key_Minus, Qt::KeypadModifier);
    EXPECT_EQ(w->dw_1->GetRow(), 1);

    boxes.clear();
    SetMessageBoxHandler([this](const MessageBoxRequest &r) {
        boxes.push_back(r);
        return 2;
    });
    press(*w, Qt::Key_Plus, Qt::KeypadModifier);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, "提示");
    EXPECT_EQ(boxes[0].icon, Icon::Exclamation);
    EXPECT_TRUE(::w_tclx.IsValid());
}

// The keys as X11 delivers them, with Shift, Ctrl or Alt and on the numeric
// pad with NumLock on and off: each starts on a new unanswered single-choice
// question and shows what the learner gets.
TEST_F(Practice, EveryKeyWorksAsX11DeliversItWithAnyModifierAndOnThePad)
{
    using namespace x11;
    SetMessageBoxHandler([this](const MessageBoxRequest &r) {
        boxes.push_back(r);
        return 2; // the hand-in is declined
    });
    struct Case {
        X11Key key;
        const char *effect;
    } cases[] = {
        {Shift1, "answer 1"},         {Alt1, "answer 1"},           {KpEnd, "answer 1"},
        {ShiftKp1Locked, "answer 1"}, {CtrlKp1Locked, "answer 1"},  {Shift2, "answer 2"},
        {KpDown, "answer 2"},         {Shift3, "answer 3"},         {KpNext, "answer 3"},
        {Shift4, "answer 4"},         {KpLeft, "answer 4"},         {Shift5, "question 1"},
        {KpBegin, "question 1"},      {Shift6, "previous"},         {KpRight, "previous"},
        {Shift7, "next"},             {KpHome, "next"},             {Shift8, "question 100"},
        {Ctrl8, "question 100"},      {KpUp, "question 100"},       {KpDigit(8), "question 100"},
        {KpSubtract, "question 1"},   {KpSubtractLocked, "question 1"}, {KpAdd, "hand-in"},
        {KpAddLocked, "hand-in"},     {Plus, "nothing"},            {Minus, "nothing"},
        {KpMultiply, "nothing"},      {Digit(0), "nothing"},        {KpInsert, "nothing"},
    };
    long row = rowOfType(*w, "1");
    ASSERT_GT(row, 2);
    for (const Case &c : cases) {
        ASSERT_EQ(w->dw_1->GetItemString(row, "tx"), "1") << row;
        show(row);
        boxes.clear();
        x11::Press(w->widget(), c.key);
        const long now = w->dw_1->GetRow();
        std::string effect = "nothing";
        if (stored(*w, row) != "0")
            effect = "answer " + ToUtf8(stored(*w, row));
        else if (!boxes.empty())
            effect = "hand-in";
        else if (now == row - 1 || now == row + 1)
            effect = now < row ? "previous" : "next";
        else if (now != row)
            effect = "question " + std::to_string(now);
        EXPECT_EQ(effect, c.effect) << c.key.name;
        ++row;
    }
}

TEST_F(Practice, FindShowsTheNumberTypedInTheDialog)
{
    show(12);
    String parm;
    WhenOpen(::w_find, [&] {
        parm = message.StringParm;
        ::w_find->em_1.SetText("30");
        click(::w_find->cb_1);
    });
    click(w->cb_find);
    EXPECT_EQ(parm, "12-100");
    EXPECT_EQ(w->dw_1->GetRow(), 30);
    EXPECT_EQ(w->il_currentrow, 30);
}

TEST_F(Practice, HandInPutsBackTheFirstWrongAnswersAndScores)
{
    const long single = rowOfType(*w, "1");
    show(single);
    const String right = w->dw_1->GetItemString(single, "answer");
    pick(Long(wrongDigit(*w, single)));
    show(single);
    pick(Long(right)); // corrected, but the first answer counts
    // Rows of other sets and of set 0 change nothing.
    sqlca.Execute("insert into t_error (user, mno, flag, zdanswer) values ('kelvadorint', ?, 4, 'x'), "
                  "('kelvadorint', ?, 0, 'y')",
                  {mnoOf(*w, 1), mnoOf(*w, 2)});
    sqlca.Execute("update t_kzmn set zdanswer = answer where mno <> ?", {mnoOf(*w, single)});

    click(w->cb_jj);
    EXPECT_FALSE(::w_tclx.IsValid());
    ASSERT_TRUE(::w_jj_tc.IsValid());
    auto &s = *::w_jj_tc;
    EXPECT_EQ(s.st_1.Text(), "成绩：99分,注意这个成绩不含修正后的，即第一次答错了，就当成错的。");
    EXPECT_EQ(s.st_1.TextColor(), RGB(0, 0, 0));
    EXPECT_EQ(s.dw_1->RowCount(), 1);
    EXPECT_EQ(count("select count(*) from t_kzmn where zdanswer in ('x', 'y')"), 0);
    click(s.cb_1);
    EXPECT_FALSE(::w_jj_tc.IsValid());
}

TEST_F(Practice, AScoreBelowNinetyIsRed)
{
    sqlca.ExecuteImmediate("update t_kzmn set zdanswer = answer where mno in (select mno from t_kzmn order by mno limit 89)");
    click(w->cb_jj);
    ASSERT_TRUE(::w_jj_tc.IsValid());
    EXPECT_EQ(Left(::w_jj_tc->st_1.Text(), 8), "成绩：89");
    EXPECT_EQ(::w_jj_tc->st_1.TextColor(), RGB(250, 0, 0));

    // Laid out on the window's outer size.
    auto &s = *::w_jj_tc;
    s.SetWindowState(WindowState::Normal);
    s.Resize(900, 1000);
    RaiseResize(s);
    EXPECT_EQ(s.cb_1.X(), 400);
    EXPECT_EQ(s.dw_1.Width(), 850);
    EXPECT_EQ(s.dw_1.Height(), 600);
    EXPECT_EQ(s.st_1.X(), (900 - 3305) / 2);
}

} // namespace

namespace {

class PracticeLayout : public Practice {
protected:
    void layOut(int x, int width, int height)
    {
        w->SetWindowState(WindowState::Normal);
        w->Move(x, 0);
        w->Resize(width, height);
        RaiseResize(*w);
    }
};

TEST_F(PracticeLayout, StacksTheThreeBoxesAndCentresTheButtonRow)
{
    w->is_pic = "a.jpg";
    layOut(0, 4700, 3200);
    ASSERT_EQ(w->Width(), 4700);
    auto at = [](Control &c) { return std::vector<int>{c.X(), c.Y(), c.Width(), c.Height()}; };
    EXPECT_EQ(at(w->gb_1), (std::vector<int>{50, 150, 4600, 1280}));
    EXPECT_EQ(at(w->st_txt), (std::vector<int>{60, 260, 2350, 1161}));
    EXPECT_EQ(w->p_pic.X(), 2410);
    EXPECT_EQ(w->p_message2.X(), 70);
    EXPECT_EQ(w->p_message2.Y(), 1240);
    EXPECT_EQ(w->st_readme.X(), 180);
    EXPECT_EQ(w->st_readme.Width(), 4300);
    EXPECT_EQ(at(w->gb_2), (std::vector<int>{50, 1400, 4600, 960}));
    const int rows[] = {1480, 1672, 1864, 2056};
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(w->optionBox(i).X(), 60);
        EXPECT_EQ(w->optionBox(i).Y(), rows[i - 1]);
        EXPECT_EQ(at(w->optionText(i)), (std::vector<int>{140, rows[i - 1], 4480, 192}));
    }
    EXPECT_EQ(at(w->gb_3), (std::vector<int>{50, 2330, 4600, 278}));
    Control *row[] = {&w->cb_frist, &w->cb_forward, &w->cb_next, &w->cb_last, &w->cb_find,
                      &w->cb_wz,    &w->cb_tg,      &w->cb_da,   &w->cb_tieba, &w->cb_jj};
    const int xs[] = {225, 650, 1075, 1500, 1925, 2350, 2775, 3200, 3625, 4059};
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(row[i]->X(), xs[i]) << i;
        EXPECT_EQ(row[i]->Y(), 2380) << i;
    }
    EXPECT_EQ(at(w->ole_1), (std::vector<int>{50, 2598, 4600, 376}));

    w->is_pic = "  ";
    layOut(0, 4700, 3200);
    EXPECT_EQ(w->st_txt.Width(), 2585);
    EXPECT_EQ(w->p_pic.X(), 2645);

    layOut(600, 4000, 3200);
    EXPECT_EQ(w->gb_1.X(), 650);
    EXPECT_EQ(w->cb_frist.X(), -125);
}

} // namespace
