// The question-number dialog: bounds, bad input, Enter.
#include "exam/exam_fixture.h"

#include "paper/w_find.h"
#include "test_windows.h"

#include <QImage>

using namespace runtime;

namespace {

class FindDialog : public ExamTest {
protected:
    // Opens the dialog with the parameter and types each text in turn,
    // pressing "返回" (or Enter) after each, until the dialog closes.
    double run(const char *parm, std::vector<const char *> typed, bool enter = false)
    {
        WhenOpen(::w_find, [this, typed, enter] {
            shownText = ::w_find->em_1.Text();
            for (const char *t : typed) {
                if (!::w_find.IsValid())
                    break;
                ::w_find->em_1.SetText(t);
                if (enter)
                    QTest::keyClick(::w_find->em_1.widget(), Qt::Key_Return);
                else
                    QTest::mouseClick(::w_find->cb_1.widget(), Qt::LeftButton);
            }
            if (::w_find.IsValid())
                Close(*::w_find);
        });
        message.DoubleParm = -1;
        OpenWithParm(::w_find, String(parm));
        return message.DoubleParm;
    }
    String shownText;
};

TEST_F(FindDialog, AcceptsOneToTheMaximumAndRefusesTheRest)
{
    struct Case {
        std::vector<const char *> typed;
        double result;
        size_t refusals;
    } cases[] = {{{"1"}, 1, 0}, {{"50"}, 50, 0}, {{"0", "51", "", "7"}, 7, 3}};
    for (const Case &c : cases) {
        boxes.clear();
        EXPECT_EQ(run("7-50", c.typed), c.result);
        EXPECT_EQ(shownText, "7");
        ASSERT_EQ(boxes.size(), c.refusals);
        for (const auto &b : boxes) {
            EXPECT_EQ(b.title, "提示:");
            EXPECT_EQ(b.text, "输入有误,应该在1到50之内!");
        }
    }
}

// The number shown comes up selected, so digits typed at once replace it.
TEST_F(FindDialog, DigitsTypedAtOnceReplaceTheNumberShown)
{
    int highlighted = -1;
    WhenOpen(::w_find, [&highlighted] {
        QWidget *field = ::w_find->em_1.widget();
        field->window()->activateWindow(); // as the window system does with a new window
        ASSERT_TRUE(QTest::qWaitForWindowActive(field->window()));
        const QImage shot = field->grab().toImage();
        const QRgb selection = field->palette().color(QPalette::Active, QPalette::Highlight).rgb();
        highlighted = 0;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x)
                highlighted += shot.pixel(x, y) == selection;
        QTest::keyClicks(field, "57");
        QTest::keyClick(field, Qt::Key_Return);
    });
    message.DoubleParm = -1;
    OpenWithParm(::w_find, String("12-100"));
    EXPECT_GT(highlighted, 20);
    EXPECT_EQ(message.DoubleParm, 57);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(FindDialog, EnterChecksAsTheButtonDoes)
{
    EXPECT_EQ(run("3-100", {"101", "99"}, true), 99);
    EXPECT_EQ(boxes.size(), 1u);
}

TEST_F(FindDialog, TakesThreeDigitsAtMost)
{
    String typed;
    WhenOpen(::w_find, [&typed] {
        ::w_find->em_1.SetText("1234");
        typed = ::w_find->em_1.Text();
        Close(*::w_find);
    });
    OpenWithParm(::w_find, String("1-2000"));
    EXPECT_EQ(typed, "123");
}

TEST_F(FindDialog, ASetWithoutQuestionsLetsTheDialogCloseWithNoNumber)
{
    EXPECT_EQ(run("0-0", {"1"}), 0);
    EXPECT_EQ(boxes.size(), 1u);
    EXPECT_FALSE(::w_find.IsValid());
}

} // namespace
