// Every explanation of the bank fits the one line that shows it under a
// practice or review question, on a 1280 × 1024 screen with the window
// maximised: measured in the font the explanation is drawn in, against the
// width the window's layout gives it, and read back from the drawn pixels.
#include "practice_fixture.h"

#include "practice/w_tclx.h"
#include "review/w_error.h"
#include "review/w_error_select.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QScreen>

#include <cmath>
#include <cstdlib>

using namespace runtime;

namespace {

// The offscreen platform shows a screen of 1280 × 1024, set before the
// application starts.
const bool kScreenSet = [] {
    const char *platform = std::getenv("QT_QPA_PLATFORM");
    if (!platform || std::string(platform) == "offscreen")
        setenv("QT_QPA_PLATFORM", "offscreen:configfile=" SOURCE_DIR "/tests/support/screen-1280x1024.json", 1);
    return true;
}();

class Explanations : public PracticeTest, public testing::WithParamInterface<std::string> {
protected:
    void SetUp() override
    {
        PracticeTest::SetUp();
        w = openQuestionWindow(GetParam());
        ASSERT_NE(w, nullptr);
    }

    QuestionWindow *w = nullptr;
};

// Columns of ink: the first and the one after the last that hold a pixel
// far from white, or {0, 0} for none.
std::pair<int, int> InkColumns(const QImage &image)
{
    int first = -1, end = 0;
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            if (qGray(image.pixel(x, y)) < 160) {
                if (first < 0)
                    first = x;
                end = x + 1;
                break;
            }
    return {std::max(first, 0), end};
}

TEST_P(Explanations, EveryExplanationOfTheBankFitsItsLine)
{
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    ASSERT_EQ(screen, QSize(1280, 1024)) << "the test runs on a screen of 1280 × 1024";
    ASSERT_EQ(w->Canvas()->window()->width(), 1280) << "the window is maximised";

    QWidget *line = w->st_readme.widget();
    const QFontMetricsF metrics(line->font());
    const int width = line->width();
    ASSERT_GT(width, 1000);
    std::string tooLong;
    for (const bank::Question &q : RealBank().questions) {
        const double advance = metrics.horizontalAdvance(QString::fromStdString(q.why));
        if (advance > width)
            tooLong += "\n  " + q.where + " [" + std::to_string(q.mno) + "] " +
                       std::to_string(static_cast<int>(std::ceil(advance))) + " px: " + q.why;
    }
    EXPECT_TRUE(tooLong.empty()) << "explanations wider than the " << width << " px of their line:" << tooLong;
}

INSTANTIATE_TEST_SUITE_P(BothWindows, Explanations, testing::Values("practice", "review"),
                         [](const auto &info) { return info.param; });

// The longest explanation of the bank, shown by the question's display after
// a wrong answer, is drawn whole on its line: its ink starts and ends where
// the same text's does drawn without a limit. The review of every question
// holds it; the practice window shows it the same way.
using ReviewOfEveryQuestion = PracticeTest;

TEST_F(ReviewOfEveryQuestion, TheLongestExplanationShowsWholeOnItsLine)
{
    sqlca.ExecuteImmediate("insert into t_error (user, mno) select 'kelvadorint', mno from t_tk005");
    Open(::w_error_select);
    click(::w_error_select->cb_1);
    ASSERT_TRUE(::w_error.IsValid());
    QuestionWindow &w = *::w_error;
    QWidget *line = w.st_readme.widget();
    const QFontMetricsF metrics(line->font());

    const bank::Question *longest = nullptr;
    for (const bank::Question &q : RealBank().questions)
        if (!longest || metrics.horizontalAdvance(QString::fromStdString(q.why)) >
                            metrics.horizontalAdvance(QString::fromStdString(longest->why)))
            longest = &q;
    long row = 1;
    while (row <= w.il_maxrow && mnoOf(w, row) != longest->mno)
        ++row;
    ASSERT_LE(row, w.il_maxrow);
    w.dw_1->SetItem(row, "zdanswer", longest->answer == "1" ? "2" : "1");
    w.f_display(static_cast<int>(row));
    ASSERT_TRUE(w.st_readme.Visible());
    ASSERT_EQ(ToUtf8(w.st_readme.Text()), longest->why);
    const QImage shown = line->grab().toImage();

    QImage unlimited(shown.width() * 2, shown.height() * 3, QImage::Format_RGB32);
    unlimited.fill(Qt::white);
    {
        QPainter painter(&unlimited);
        painter.setFont(line->font());
        painter.setPen(line->palette().color(QPalette::WindowText));
        painter.drawText(QPointF(0, metrics.ascent()), QString::fromStdString(longest->why));
    }
    const auto drawn = InkColumns(shown), whole = InkColumns(unlimited);
    EXPECT_EQ(drawn.first, whole.first);
    EXPECT_EQ(drawn.second, whole.second) << "the line is cut off";
}

} // namespace
