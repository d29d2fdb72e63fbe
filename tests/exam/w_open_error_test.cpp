// Forced study: the question of a row with its right answer, the two
// countdowns on the clock, Enter, and the way to the score sheet.
#include "exam/w_open_error.h"
#include "exam/w_print.h"

#include "dataobjects/dataobjects.h"
#include "paper_fixture.h"
#include "runtime/ui/clock.h"

#include <QTest>

using namespace runtime;

namespace {

class ForcedStudy : public PaperTest {
protected:
    void SetUp() override
    {
        PaperTest::SetUp();
        SetClock(&clock);
    }
    void TearDown() override
    {
        SetClock(nullptr);
        PaperTest::TearDown();
    }
    // The row of a question in the paper's order, as the examination counts.
    static long RowOf(long mno)
    {
        DataStore paper(d_kzmn());
        paper.SetTransObject(sqlca);
        paper.Retrieve();
        return paper.Find("mno = " + String(mno), 1, paper.RowCount());
    }
    // Opens the window for a row and runs inside it until it has closed.
    void Study(long row, std::function<void()> inside) { Study(String(row), std::move(inside)); }
    void Study(const String &parm, std::function<void()> inside)
    {
        WhenOpen(w_open_error, std::move(inside));
        OpenWithParm(w_open_error, parm);
    }

    ManualClock clock;
};

TEST_F(ForcedStudy, CountsDownUnlocksAfterFiveAndClosesAfterTen)
{
    CopyBank();
    struct Shown {
        String time1, time2;
        bool enabled;
    };
    std::vector<Shown> seen;
    Study(RowOf(4), [&] {
        auto note = [&] {
            seen.push_back({w_open_error->st_time1.Text(), w_open_error->st_time2.Text(), w_open_error->cb_2.Enabled()});
        };
        note();
        for (int second = 1; second <= 10 && w_open_error.IsValid(); ++second) {
            clock.Advance(Milliseconds(1000));
            if (w_open_error.IsValid())
                note();
        }
    });
    EXPECT_FALSE(w_open_error.IsValid());
    const long shown1[] = {5, 5, 4, 3, 2, 1, 0, 0, 0, 0};
    const long shown2[] = {10, 10, 9, 8, 7, 6, 5, 4, 3, 2};
    ASSERT_EQ(seen.size(), 10u); // the tenth tick closes the window
    for (size_t i = 0; i < seen.size(); ++i) {
        EXPECT_EQ(seen[i].time1, "每题显示至少5秒,目前还有:" + String(shown1[i]) + "秒") << i;
        EXPECT_EQ(seen[i].time2, "总时间为10秒，时间到自动关闭窗口继续考试,目前还有:" + String(shown2[i]) + "秒") << i;
        EXPECT_EQ(seen[i].enabled, i >= 5) << i;
    }
    EXPECT_EQ(clock.RunningTimers(), 0);
}

TEST_F(ForcedStudy, EnterClosesAtOnceAndContinueOnceUnlocked)
{
    CopyBank();
    Study(1, [&] {
        clock.Advance(Milliseconds(1000));
        QTest::keyClick(w_open_error->widget(), Qt::Key_Return);
    });
    EXPECT_FALSE(w_open_error.IsValid());

    Study(1, [&] {
        QTest::mouseClick(w_open_error->cb_2.widget(), Qt::LeftButton); // still locked
        EXPECT_TRUE(w_open_error.IsValid());
        clock.Advance(Milliseconds(5000));
        QTest::mouseClick(w_open_error->cb_2.widget(), Qt::LeftButton);
    });
    EXPECT_FALSE(w_open_error.IsValid());
}

TEST_F(ForcedStudy, ShowsTheQuestionWithItsRightAnswerInLetters)
{
    CopyBank();
    sqlca.ExecuteImmediate("update t_kzmn set pic = 'tevral_2.jpg' where mno = 4");
    sqlca.ExecuteImmediate("update t_kzmn set pic = '   ' where mno = 7");
    struct Case {
        long mno;
        const char *txt, *choice1, *choice3, *answer;
        bool picture;
    } cases[] = {
        {2, "1、饮酒后只要不超过一小时就可以驾驶机动车。", "A、正确", "", "标准答案:B", false},
        {4, "1、机动车驾驶人违法记分的一个记分周期为多长时间？", "A、6个月", "C、18个月", "标准答案:B", true},
        {7, nullptr, nullptr, nullptr, "标准答案:ACD", false},
    };
    for (const Case &c : cases) {
        Study(RowOf(c.mno), [&] {
            if (c.txt) {
                EXPECT_EQ(w_open_error->st_txt.Text(), c.txt);
                EXPECT_EQ(w_open_error->st_choice1.Text(), c.choice1);
                EXPECT_EQ(w_open_error->st_choice3.Text(), c.choice3);
            }
            EXPECT_EQ(w_open_error->st_answer.Text(), c.answer);
            EXPECT_EQ(w_open_error->p_pic.Visible(), c.picture) << c.mno;
            if (c.picture) {
                EXPECT_EQ(w_open_error->p_pic.PictureName(), "images\\tevral_2.jpg");
            }
            Close(w_open_error);
        });
    }
}

// Whatever its place in the paper, the question is numbered 1; a number
// outside the paper shows no question and still closes on time.
TEST_F(ForcedStudy, RowNumbersAndAnEmptyPaper)
{
    AddTrueFalse(1, 40, "2");
    Study(37, [&] {
        EXPECT_EQ(w_open_error->st_txt.Text(), "1、");
        Close(w_open_error);
    });
    for (const char *parm : {"41", "0", "abc"})
        Study(String(parm), [&] {
            EXPECT_EQ(w_open_error->st_txt.Text(), "");
            EXPECT_EQ(w_open_error->st_answer.Text(), "");
            clock.Advance(Milliseconds(10000));
        });
    EXPECT_FALSE(w_open_error.IsValid());
}

TEST_F(ForcedStudy, HiddenPrintButtonCountsAndFillsTheSheet)
{
    AddTrueFalse(1, 89, "1");
    AddTrueFalse(1001, 11, "2");
    Study(95, [&] {
        w_open_error->cb_4.clicked.Trigger();
        EXPECT_EQ(w_open_error->st_txt.TextColor(), RGB(250, 0, 0));
        EXPECT_EQ(w_open_error->il_cj, 89);
        Close(w_open_error);
    });
    ASSERT_TRUE(w_print.IsValid());
    EXPECT_EQ(w_print->dw_1->GetItemString(1, "cj"), "89");

    Answer(1001, "1");
    Study(95, [&] {
        w_open_error->cb_4.clicked.Trigger();
        EXPECT_EQ(w_open_error->st_txt.TextColor(), RGB(0, 0, 0));
        Close(w_open_error);
    });
    EXPECT_EQ(w_print->dw_1->RowCount(), 2);
}

} // namespace
