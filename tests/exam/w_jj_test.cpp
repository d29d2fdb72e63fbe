// The result window: the score against the pass mark, the list of wrong and
// unanswered questions, the web strip, the layout and the way to the score
// sheet.
#include "exam/w_jj.h"
#include "exam/w_print.h"
#include "paper/current_paper.h"

#include "app/maker.h"
#include "paper_fixture.h"
#include "runtime/draw/picture.h"

#include <QCoreApplication>
#include <QRegularExpression>

using namespace runtime;

namespace {

class ResultWindow : public PaperTest {
protected:
    FakeNetwork network; // no network unless a test says otherwise
};

TEST_F(ResultWindow, ScoreIsTheCountOfRightAnswersRedBelowNinety)
{
    struct Case {
        long right, wrong, unanswered;
        const char *shown;
        long color;
    } cases[] = {
        {100, 0, 0, "100分", RGB(0, 0, 0)},
        {90, 10, 0, "90分", RGB(0, 0, 0)},
        {89, 10, 1, "89分", RGB(250, 0, 0)},
        {0, 0, 100, "0分", RGB(250, 0, 0)},
        {16, 0, 0, "16分", RGB(250, 0, 0)}, // a short review set never passes
    };
    for (const Case &c : cases) {
        sqlca.ExecuteImmediate("delete from t_kzmn");
        AddTrueFalse(1, c.right, "1");
        AddTrueFalse(1001, c.wrong, "2");
        AddTrueFalse(2001, c.unanswered, "0");
        Open(w_jj);
        EXPECT_EQ(w_jj->st_1.Text(), c.shown);
        EXPECT_EQ(w_jj->st_1.TextColor(), c.color) << c.shown;
        EXPECT_EQ(w_jj->il_cj, c.right);
        EXPECT_EQ(w_jj->dw_1->RowCount(), c.wrong + c.unanswered);
        CloseAllWindows();
    }
}

TEST_F(ResultWindow, ListsWrongAndUnansweredQuestionsDeciphered)
{
    CopyBank();
    Answer(1, "1");   // true/false, right: not listed
    Answer(2, "1");   // true/false, wrong
    Answer(4, "3");   // single choice, wrong
    Answer(7, "13");  // multiple choice, part of "134"
    Answer(8, "124"); // multiple choice, right
    sqlca.ExecuteImmediate("update t_kzmn set pic = 'tevral_1.jpg' where mno = 4");
    Open(w_jj);
    DataWindow &dw = *w_jj->dw_1.operator->();
    ASSERT_EQ(dw.RowCount(), 14);
    EXPECT_EQ(w_jj->st_1.Text(), "2分");

    // True/false first, then single choice, then multiple choice.
    EXPECT_EQ(dw.GetItemNumber(1, "mno"), 2);
    EXPECT_EQ(dw.GetItemString(dw.RowCount(), "tx"), "0");
    for (long row = 1; row <= dw.RowCount(); ++row) {
        EXPECT_EQ(dw.EvaluateFor("compute_2", row).toString(), String(row));
        EXPECT_EQ(dw.EvaluateFor("compute_4", row).toString(), "×");
    }
    const long tf = dw.Find("mno = 2", 1, dw.RowCount());
    EXPECT_EQ(dw.EvaluateFor("compute_6", tf).toString(), "饮酒后只要不超过一小时就可以驾驶机动车。");
    EXPECT_EQ(dw.EvaluateFor("compute_1", tf).toString(), "A、正确\r\nB、错误");
    EXPECT_EQ(dw.EvaluateFor("compute_3", tf).toString(), "你做答案:A\n\r标准答案:B");

    const long single = dw.Find("mno = 4", 1, dw.RowCount());
    EXPECT_EQ(dw.EvaluateFor("compute_1", single).toString(), "A、6个月\r\nB、12个月\r\nC、18个月\r\nD、24个月");
    EXPECT_EQ(dw.EvaluateFor("compute_3", single).toString(), "你做答案:C\n\r标准答案:B");
    EXPECT_EQ(dw.EvaluateFor("compute_5", single).toString(), "images\\tevral_1.jpg");
    EXPECT_FALSE(LoadPicture(dw.EvaluateFor("compute_5", single).toString()).isNull());

    const long partial = dw.Find("mno = 7", 1, dw.RowCount());
    EXPECT_EQ(dw.EvaluateFor("compute_3", partial).toString(), "你做答案:AC\n\r标准答案:ACD");
    const long unanswered = dw.Find("mno = 3", 1, dw.RowCount());
    EXPECT_EQ(dw.EvaluateFor("compute_3", unanswered).toString(), "你做答案:无\n\r标准答案:A");
    EXPECT_TRUE(LoadPicture(dw.EvaluateFor("compute_5", unanswered).toString()).isNull());
    EXPECT_EQ(dw.Find("mno = 1 or mno = 8", 1, dw.RowCount()), 0);
}

TEST_F(ResultWindow, StripShowsOnlyWhenTheHomePageAnswers)
{
    AddTrueFalse(1, 3, "1");
    Open(w_jj);
    EXPECT_FALSE(w_jj->ole_1.Visible());
    EXPECT_EQ(network.asked.front(), kMakerHomePage);
    CloseAllWindows();

    FakeNetwork site(Blob("<html>news</html>"));
    Open(w_jj);
    EXPECT_TRUE(w_jj->ole_1.Visible());
    EXPECT_EQ(w_jj->ole_1.LocationURL(), kMakerNewsPage);
}

TEST_F(ResultWindow, ListFollowsTheWindowSize)
{
    AddTrueFalse(1, 3, "1");
    Open(w_jj);
    EXPECT_EQ(w_jj->dw_1.Width(), w_jj->Width() - 50);
    EXPECT_EQ(w_jj->dw_1.Height(), w_jj->Height() - 700);

    w_jj->SetWindowState(WindowState::Normal);
    w_jj->Resize(3000, 2000);
    QCoreApplication::processEvents();
    EXPECT_EQ(w_jj->dw_1.Width(), 2950);
    EXPECT_EQ(w_jj->dw_1.Height(), 1300);
    EXPECT_EQ(w_jj->cb_1.X(), 687); // (3000 - 325) / 2 - 650
    EXPECT_EQ(w_jj->st_1.X(), 2203);
    EXPECT_EQ(w_jj->ole_1.Y(), 220);
}

// A second hand-in while the first result is still open shows the new
// score; a plain open only brings the open window forward.
TEST_F(ResultWindow, NewResultReplacesAStaleOne)
{
    AddTrueFalse(1, 95, "1");
    Open(w_jj);
    EXPECT_EQ(w_jj->st_1.Text(), "95分");
    sqlca.ExecuteImmediate("update t_kzmn set zdanswer = '2' where mno <= 20");

    Open(w_jj);
    EXPECT_EQ(w_jj->st_1.Text(), "95分");
    OpenNew(w_jj);
    EXPECT_EQ(w_jj->st_1.Text(), "75分");
    EXPECT_EQ(w_jj->st_1.TextColor(), RGB(250, 0, 0));
    EXPECT_EQ(w_jj->dw_1->RowCount(), 20);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    int results = 0;
    for (Window *w : OpenWindows())
        results += w->ClassName() == "w_jj";
    EXPECT_EQ(results, 1);
}

TEST_F(ResultWindow, HiddenPrintButtonFillsTheScoreSheet)
{
    AddTrueFalse(1, 89, "1");
    AddTrueFalse(1001, 11, "2");
    Open(w_jj);
    EXPECT_FALSE(w_jj->cb_1.Visible());
    w_jj->cb_1.clicked.Trigger();
    ASSERT_TRUE(w_print.IsValid());
    ASSERT_EQ(w_print->dw_1->RowCount(), 1);
    EXPECT_EQ(w_print->dw_1->GetItemString(1, "cj"), "89");
    EXPECT_TRUE(QRegularExpression(R"(^\d{4}-\d\d-\d\d \d\d:\d\d:\d\d$)")
                    .match(ToQString(w_print->dw_1->GetItemString(1, "mdate")))
                    .hasMatch());
    EXPECT_TRUE(w_print->dw_1->GetItem(1, "name").isNull());
    EXPECT_TRUE(w_jj.IsValid()); // the sheet opens beside the result
}

} // namespace
