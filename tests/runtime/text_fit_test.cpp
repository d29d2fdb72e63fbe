// Captions show whole in our taller fonts: static texts fit the lines their
// box was made for, group box captions sit on the frame's top edge above what
// the box holds, and a window of fixed size shows the labels along its foot.
#include "runtime/draw/colors.h"
#include "runtime/draw/units.h"
#include "runtime/ui/groupbox.h"
#include "runtime/ui/statictext.h"
#include "runtime/ui/window.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPixmap>
#include <gtest/gtest.h>

using namespace runtime;

namespace {

// Rows of ink: runs of pixel rows holding a pixel far from the background.
struct Band {
    int top, bottom; // inclusive
    int Height() const { return bottom - top + 1; }
};

bool IsInk(QRgb pixel, QColor background)
{
    return std::abs(qRed(pixel) - background.red()) + std::abs(qGreen(pixel) - background.green()) +
               std::abs(qBlue(pixel) - background.blue()) >
           200;
}

std::vector<Band> InkBands(const QImage &image, QRect area, QColor background)
{
    std::vector<Band> bands;
    bool inBand = false;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        bool ink = false;
        for (int x = area.left(); x <= area.right() && !ink; ++x)
            ink = IsInk(image.pixel(x, y), background);
        if (ink && !inBand)
            bands.push_back({y, y});
        if (ink)
            bands.back().bottom = y;
        inBand = ink;
    }
    return bands;
}

QImage Grab(QWidget *widget) { return widget->grab().toImage(); }

// Pixels of dark ink, black text on white.
int DarkPixels(const QImage &image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += qGray(image.pixel(x, y)) < 128;
    return count;
}

// A text drawn in a static text of ample height, black on white: its lines
// whole, at the font's own spacing.
QImage Uncut(const Font &font, const String &text, int width)
{
    class w_ample : public Window {
    public:
        w_ample() : Window("w_ample") {}
        StaticText st_1{*this, "st_1"};
    };
    w_ample w;
    w.st_1.Resize(width, 1000);
    w.st_1.SetFont(font);
    w.st_1.SetBackColor(RGB(255, 255, 255));
    w.st_1.SetTextColor(0);
    w.st_1.SetText(text);
    return Grab(w.st_1.widget());
}

std::vector<Band> UncutBands(const Font &font, const String &text, int width)
{
    const QImage image = Uncut(font, text, width);
    return InkBands(image, image.rect(), Qt::white);
}

class w_texts : public Window {
public:
    w_texts() : Window("w_texts")
    {
        Resize(3000, 2000);
        SetBackColor(RGB(255, 255, 255));
        st_txt.Move(69, 260);
        st_txt.Resize(1975, 640);
        st_txt.SetBackColor(RGB(255, 255, 255));
        gb_1.Move(50, 150);
        gb_1.Resize(2501, 820);
        gb_1.SetBackColor(RGB(255, 255, 255));
        gb_1.SetTextColor(0);
    }
    StaticText st_1{*this, "st_1"};
    StaticText st_txt{*this, "st_txt"};
    GroupBox gb_1{*this, "gb_1"};
};
GlobalWindow<w_texts> texts;

class TextFit : public testing::Test {
protected:
    void SetUp() override { Open(texts); }
    void TearDown() override { Close(texts); }
};

// Texts that take as many lines as their box was made for show every line
// whole: no ink is lost against the same text drawn without a limit, and
// lines that stand apart are each as tall as drawn without a limit.
TEST_F(TextFit, EveryDesignedLineOfAStaticTextShowsWhole)
{
    struct Case {
        const char *name;
        Font font;
        int width, height, lines;
        const char *text;
    };
    const Case cases[] = {
        {"hint of two lines", {"黑体", 8, 400, kGB2312CharSet}, 1038, 92, 2,
         "多项选择题，请在备选答案中选择您认为正确的答案！"},
        {"key label of one line", {"Arial", 12, 400, kAnsiCharSet}, 201, 76, 1, "按+"},
        {"wide key label", {"Arial", 12, 400, kAnsiCharSet}, 379, 76, 1, "按回车键"},
        // Eight lines of an em each fill the box: the lines close up until
        // they touch.
        {"question of eight lines", {"宋体", 12, 700, kGB2312CharSet}, 2098, 516, 0,
         "机动车驾驶人\n在道路上\n发生交通事故\n应当立即停车\n保护现场\n因抢救受伤人员\n变动现场的\n应当标明位置"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        StaticText &st = texts->st_1;
        st.Resize(c.width, c.height);
        st.SetFont(c.font);
        st.SetBackColor(RGB(255, 255, 255));
        st.SetTextColor(0);
        st.SetText(c.text);
        const QImage image = Grab(st.widget());
        ASSERT_EQ(image.height(), UnitsToPixelsY(c.height));
        const QImage whole = Uncut(c.font, c.text, c.width);
        EXPECT_NEAR(DarkPixels(image), DarkPixels(whole), DarkPixels(whole) * 0.03);
        if (c.lines == 0)
            continue;
        const std::vector<Band> bands = InkBands(image, image.rect(), Qt::white);
        const std::vector<Band> wholeBands = InkBands(whole, whole.rect(), Qt::white);
        ASSERT_EQ(bands.size(), static_cast<size_t>(c.lines));
        ASSERT_EQ(wholeBands.size(), static_cast<size_t>(c.lines));
        for (size_t i = 0; i < bands.size(); ++i)
            EXPECT_EQ(bands[i].Height(), wholeBands[i].Height()) << "line " << i + 1;
    }
}

// A text longer than its box shows the lines that fit whole and nothing of
// the next: each band of ink is a whole line of the text drawn without a
// limit, in its order, and no stray rows of a further line show under them.
// A box lower than one line still shows the first, cut at its foot.
TEST_F(TextFit, ALineThatDoesNotFitWholeIsNotDrawn)
{
    struct Case {
        const char *name;
        Font font;
        int width, height;
        size_t lines;
        bool firstCut;
        const char *text;
    };
    const Case cases[] = {
        {"explanation line", {"Arial", 18, 700, kAnsiCharSet}, 2615, 108, 1, false,
         "《实施条例》第五十四条规定，重型、中型载货汽车，半挂车载物，高度从地面起不得超过4米。"},
        {"hint of two lines", {"黑体", 8, 400, kGB2312CharSet}, 1038, 92, 2, false,
         "多项选择题，请在备选答案中选择您认为正确的答案！选好后按下一题确认，答错的题目会记入错题本。"},
        {"box lower than its one line", {"Arial", 18, 700, kAnsiCharSet}, 1200, 80, 1, true,
         "驾驶机动车应当随身携带机动车驾驶证。"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        StaticText &st = texts->st_1;
        st.Resize(c.width, c.height);
        st.SetFont(c.font);
        st.SetBackColor(RGB(255, 255, 255));
        st.SetTextColor(0);
        st.SetText(c.text);
        const QImage image = Grab(st.widget());
        const QImage whole = Uncut(c.font, c.text, c.width);
        const std::vector<Band> bands = InkBands(image, image.rect(), Qt::white);
        const std::vector<Band> wholeBands = InkBands(whole, whole.rect(), Qt::white);
        ASSERT_GT(wholeBands.size(), c.lines) << "the text is longer than its box";
        ASSERT_EQ(bands.size(), c.lines);
        for (size_t i = 0; i < c.lines; ++i) {
            SCOPED_TRACE("line " + std::to_string(i + 1));
            const int ink = DarkPixels(image.copy(0, bands[i].top, image.width(), bands[i].Height()));
            const int wholeInk =
                DarkPixels(whole.copy(0, wholeBands[i].top, whole.width(), wholeBands[i].Height()));
            if (c.firstCut) {
                EXPECT_EQ(bands[i].top, 0);
                EXPECT_EQ(bands[i].bottom, image.height() - 1);
                EXPECT_GT(ink, wholeInk * 0.6);
            } else {
                EXPECT_EQ(bands[i].Height(), wholeBands[i].Height());
                EXPECT_NEAR(ink, wholeInk, wholeInk * 0.03);
            }
        }
    }
}

// A text with room to spare keeps its font's own line spacing.
TEST_F(TextFit, ATextWithRoomKeepsItsLineSpacing)
{
    const Font font{"宋体", 12, 700, kGB2312CharSet};
    const char *text = "第一行的文字很长很长很长很长很长很长第二行";
    StaticText &st = texts->st_1;
    st.Resize(600, 1000);
    st.SetFont(font);
    st.SetBackColor(RGB(255, 255, 255));
    st.SetTextColor(0);
    st.SetText(text);
    const QImage image = Grab(st.widget());
    const std::vector<Band> bands = InkBands(image, image.rect(), Qt::white);
    ASSERT_GE(bands.size(), 2u);
    const QFontMetricsF metrics(ToQFont(font));
    EXPECT_NEAR(bands[1].top - bands[0].top, metrics.lineSpacing(), 1);
}

// The review window's question box: its caption at 22 pt shows whole in the
// band above the question text, which lies over the box in front of it.
TEST_F(TextFit, GroupBoxCaptionSitsOnTheTopEdgeAboveWhatTheBoxHolds)
{
    texts->gb_1.SetFont({"Arial", 22, 700, kAnsiCharSet});
    texts->gb_1.SetText("NO.12【判断题】");
    texts->st_txt.SetText("");
    const QImage window = Grab(texts->Canvas());
    const QRect box = texts->gb_1.widget()->geometry();
    const int contentTop = texts->st_txt.widget()->geometry().top();
    const QRect band(box.left() + 4, box.top(), box.width() - 8, contentTop - box.top());
    const std::vector<Band> shown = InkBands(window, band, Qt::white);
    ASSERT_FALSE(shown.empty());

    // The box on its own: all of the caption's ink lies in that band.
    const QImage alone = Grab(texts->gb_1.widget());
    const std::vector<Band> caption =
        InkBands(alone, QRect(4, 0, alone.width() - 8, alone.height() - 8), Qt::white);
    ASSERT_EQ(caption.size(), 1u);
    EXPECT_LT(caption.front().bottom, contentTop - box.top());
    EXPECT_EQ(shown.front().Height(), caption.front().Height());
}

// The frame's top line runs through the caption's middle, left and right of it.
TEST_F(TextFit, GroupBoxFrameRunsThroughTheCaptionsMiddle)
{
    texts->gb_1.SetFont({"黑体", 9, 700, kGB2312CharSet});
    texts->gb_1.SetText("考试题目");
    const QImage alone = Grab(texts->gb_1.widget());
    const std::vector<Band> caption = InkBands(alone, QRect(8, 0, 60, alone.height() / 2), Qt::white);
    ASSERT_FALSE(caption.empty());
    // Right of the caption, the first row that is not white is the frame's.
    int line = -1;
    const int x = alone.width() / 2;
    for (int y = 0; y < alone.height() && line < 0; ++y)
        if (alone.pixel(x, y) != QColor(Qt::white).rgb())
            line = y;
    EXPECT_GE(line, caption.front().top);
    EXPECT_LE(line, caption.front().bottom);
}

// A prompt of fixed size, with its key labels along the foot under its
// buttons: the labels show whole inside the window.
class w_prompt : public Window {
public:
    w_prompt() : Window("w_prompt")
    {
        Resize(3954, 1816);
        SetResizable(false);
        SetMinBox(false);
        SetMaxBox(false);
        SetBackColor(RGB(192, 220, 192));
        st_2.Move(2199, 1660);
        st_2.Resize(379, 76);
        st_2.SetText("按回车键");
        st_1.Move(1417, 1652);
        st_1.Resize(201, 76);
        st_1.SetText("按+");
        for (StaticText *st : {&st_1, &st_2}) {
            st->SetFont({"Arial", 12, 400, kAnsiCharSet});
            st->SetTextColor(RGB(255, 0, 0));
            st->SetBackColor(RGB(192, 220, 192));
        }
    }
    StaticText st_2{*this, "st_2"};
    StaticText st_1{*this, "st_1"};
};
GlobalWindow<w_prompt> prompt;

TEST(FixedWindow, KeyLabelsAlongTheFootShowWhole)
{
    Open(prompt);
    const QImage window = Grab(prompt->Canvas());
    for (StaticText *st : {&prompt->st_1, &prompt->st_2}) {
        SCOPED_TRACE(st->ClassName());
        const QRect box = st->widget()->geometry();
        EXPECT_GE(window.height(), box.bottom() + 1);
        const std::vector<Band> shown = InkBands(window, box.intersected(window.rect()), QColor(192, 220, 192));
        const std::vector<Band> whole = UncutBands(st->GetFont(), st->Text(), 379);
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown.front().Height(), whole.front().Height());
    }
    // The window keeps the size it was given.
    EXPECT_EQ(prompt->Height(), 1816);
    EXPECT_EQ(prompt->Width(), 3954);
    Close(prompt);
}

} // namespace
