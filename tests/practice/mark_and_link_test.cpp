// What the learner sees of a judged answer, and where "本题解析" leads, in
// the practice window and the review window alike: after a click on an
// answer the cross or the tick is drawn beside the options (read back from
// the window's pixels), and every click on the link opens the forum thread
// of the question then on screen; the header line and the link as drawn.
// The pointer moves and clicks as the window system delivers it.
#include "practice_fixture.h"

#include "app/maker.h"
#include "ink.h"
#include "pointer.h"
#include "practice/w_tclx.h"
#include "review/w_error.h"
#include "review/w_error_select.h"
#include "runtime/draw/colors.h"
#include "runtime/ui/urlopener.h"

#include <QImage>

using namespace runtime;

namespace {

// The addresses the desktop was asked to open.
class Links : public PracticeTest {
protected:
    void SetUp() override
    {
        PracticeTest::SetUp();
        SetUrlOpener([this](const String &url) { opened.push_back(ToUtf8(url)); });
    }
    void TearDown() override
    {
        SetUrlOpener(nullptr);
        PracticeTest::TearDown();
    }

    std::vector<std::string> opened;
};

class QuestionScreen : public Links, public testing::WithParamInterface<std::string> {
protected:
    void SetUp() override
    {
        Links::SetUp();
        w = openQuestionWindow(GetParam());
        ASSERT_NE(w, nullptr);
    }

    void pointAndClick(Control &c) { pointer::Click(c.widget()); }

    // What the window shows where the result mark lies: "tick" (green),
    // "cross" (red), "none" or "both".
    std::string markOnScreen()
    {
        QWidget *mark = w->p_message2.widget();
        QWidget *window = mark->window();
        const QImage shot =
            window->grab(QRect(mark->mapTo(window, QPoint(0, 0)), mark->size())).toImage();
        int green = 0, red = 0;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x) {
                const QColor c = shot.pixelColor(x, y);
                green += c.green() > 100 && c.red() < 100 && c.blue() < 100;
                red += c.red() > 180 && c.green() < 80 && c.blue() < 80;
            }
        if (green > 20)
            return red ? "both" : "tick";
        return red > 20 ? "cross" : green || red ? "both" : "none";
    }

    // The thread of the question in row `row`, as the bank gives it.
    std::string threadOf(long row)
    {
        String tieba;
        sqlca.SelectInto("select tieba from t_tk005 where mno = ?", {mnoOf(*w, row)}, tieba);
        return std::string(kMakerForum) + "/read-" + ToUtf8(tieba) + "-0.html";
    }

    QuestionWindow *w = nullptr;
};

TEST_P(QuestionScreen, AWrongPickDrawsTheCrossAndTheQuestionAnsweredRightTheTick)
{
    const long row = rowOfType(*w, "1");
    ASSERT_GT(row, 0);
    ASSERT_LT(row, w->il_maxrow);
    w->f_display(static_cast<int>(row));
    const long right = Long(w->dw_1->GetItemString(row, "answer"));
    EXPECT_EQ(markOnScreen(), "none");

    pointAndClick(w->optionText(right == 1 ? 2 : 1));
    EXPECT_EQ(markOnScreen(), "cross");

    pointAndClick(w->optionText(right)); // right: on to the next question, unanswered
    ASSERT_EQ(w->dw_1->GetRow(), row + 1);
    EXPECT_EQ(markOnScreen(), "none");

    pointAndClick(w->cb_forward);
    EXPECT_EQ(markOnScreen(), "tick");
}

TEST_P(QuestionScreen, ARightMultipleChoiceAnswerOnTheLastQuestionShowsTheTick)
{
    pointAndClick(w->cb_last);
    const long last = w->il_maxrow;
    ASSERT_EQ(w->dw_1->GetItemString(last, "tx"), "0");
    const String answer = w->dw_1->GetItemString(last, "answer");
    for (const char digit : answer)
        pointAndClick(w->optionText(digit - '0'));
    EXPECT_EQ(markOnScreen(), "none"); // a tick is not yet judged

    pointAndClick(w->cb_next);
    EXPECT_EQ(w->dw_1->GetRow(), last);
    EXPECT_EQ(markOnScreen(), "tick");
}

TEST_P(QuestionScreen, TheForumLinkOpensTheThreadOfTheQuestionOnScreenEveryClick)
{
    pointAndClick(w->cb_tieba);
    pointAndClick(w->cb_tg);
    ASSERT_EQ(w->dw_1->GetRow(), 2);
    pointAndClick(w->cb_tieba);
    EXPECT_EQ(opened, (std::vector<std::string>{threadOf(1), threadOf(2)}));
    EXPECT_NE(threadOf(1), threadOf(2));
}

// The header line stands where its window puts it: centred in the review
// window, from the left in the practice window. "本题解析" is a raised patch,
// lit along its top and left edges, shaded along its bottom and right, with
// its blue text inside.
TEST_P(QuestionScreen, TheHeaderLineAndTheForumLinkAsDrawn)
{
    QCoreApplication::processEvents();
    const QImage header = w->st_1.widget()->grab().toImage();
    const QColor face = Face(header);
    int left = header.width(), right = -1;
    for (int y = 0; y < header.height(); ++y)
        for (int x = 0; x < header.width(); ++x)
            if (!InkIs(header.pixelColor(x, y), face)) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    ASSERT_GE(right, left);
    const int spaceRight = header.width() - 1 - right;
    if (GetParam() == "review")
        EXPECT_NEAR(left, spaceRight, 3) << left << " " << spaceRight;
    else
        EXPECT_LT(left, 4);

    const QImage link = w->cb_tieba.widget()->grab().toImage();
    const int w1 = link.width() - 1, h1 = link.height() - 1;
    EXPECT_EQ(link.pixelColor(w1 / 2, 0), QColor(Qt::white));
    EXPECT_EQ(link.pixelColor(0, h1 / 2), QColor(Qt::white));
    EXPECT_LT(qGray(link.pixelColor(w1 / 2, h1).rgb()), 180);
    EXPECT_LT(qGray(link.pixelColor(w1, h1 / 2).rgb()), 180);
    const QRect inside = link.rect().adjusted(2, 2, -2, -2);
    EXPECT_EQ(Face(link, inside), ToQColor(kButtonFace));
    EXPECT_TRUE(InkIs(Ink(link, inside), QColor(0, 0, 255)));
}

INSTANTIATE_TEST_SUITE_P(BothWindows, QuestionScreen, testing::Values("practice", "review"),
                         [](const auto &info) { return info.param; });

// A set's review keeps no thread of its questions: the link opens the forum.
TEST_F(Links, TheLinkOfAQuestionWithoutThreadOpensTheForum)
{
    sqlca.ExecuteImmediate("insert into t_error (user, mno, flag) select 'kelvadorint', min(mno), 3 from t_tk005");
    openChooser();
    click(chooserButton("试卷3", true));
    ASSERT_TRUE(::w_error.IsValid());
    pointer::Click(::w_error->cb_tieba.widget());
    EXPECT_EQ(opened, std::vector<std::string>{kMakerForum});
}

} // namespace
