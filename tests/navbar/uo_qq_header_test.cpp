// The group header: its layout, its looks and the shared capture flag.
#include "bar_window.h"
#include "runtime/draw/colors.h"

#include <QImage>

using namespace runtime;

TEST_F(Bar, AHeaderPaintsItsFrameToItsSize)
{
    draw(1);
    uo_qq_header &h = panel(1).uo_header;
    EXPECT_EQ(h.Height(), 92);
    h.SetWidth(700);
    h.of_paint();
    auto points = [](const Line &l) { return std::vector<int>{l.BeginX(), l.BeginY(), l.EndX(), l.EndY()}; };
    EXPECT_EQ(h.st_caption.X(), 27);
    EXPECT_EQ(h.st_caption.Width(), 664);
    EXPECT_EQ(h.st_caption.Height(), 60);
    EXPECT_EQ(points(h.ln_top), (std::vector<int>{5, 4, 698, 4}));
    EXPECT_EQ(points(h.ln_left), (std::vector<int>{5, 4, 5, 88}));
    EXPECT_EQ(points(h.ln_bottom), (std::vector<int>{9, 88, 698, 88}));
    EXPECT_EQ(points(h.ln_right), (std::vector<int>{696, 4, 696, 88}));
    EXPECT_EQ(points(h.ln_bt1), (std::vector<int>{692, 4, 692, 88}));
    EXPECT_EQ(points(h.ln_bt2), (std::vector<int>{11, 84, 693, 84}));
}

TEST_F(Bar, HeadersShareOneCaptureFlag)
{
    draw(2);
    uo_qq_header &a = panel(1).uo_header;
    uo_qq_header &b = panel(2).uo_header;
    EXPECT_EQ(a.in_focuscolor, RGB(192, 192, 192));
    a.ue_mousemove.Trigger(0, 10, 10);
    EXPECT_TRUE(uo_qq_header::ib_captured);
    EXPECT_EQ(a.st_caption.TextColor(), RGB(0, 0, 255));
    EXPECT_TRUE(a.ln_bt1.Visible());
    // With the flag set, another header makes only the leave test.
    b.ue_mousemove.Trigger(0, 10, 10);
    EXPECT_EQ(GetCapture(), Handle(a));
    EXPECT_EQ(b.st_caption.TextColor(), RGB(0, 0, 0));
    // A move on the row y = height is inside, one on the column x = width not.
    a.ue_mousemove.Trigger(0, 10, a.Height());
    EXPECT_TRUE(uo_qq_header::ib_captured);
    a.ue_mousemove.Trigger(0, a.Width(), 10);
    EXPECT_FALSE(uo_qq_header::ib_captured);
    EXPECT_EQ(GetCapture(), 0u);
    EXPECT_FALSE(a.ln_bt1.Visible());
}

TEST_F(Bar, APressOnAHeaderSinksOnlyItsFrame)
{
    draw(1);
    uo_qq_header &h = panel(1).uo_header;
    mouse.GlideTo(h, 100, 40);
    mouse.Press();
    EXPECT_FALSE(uo_qq_header::ib_captured);
    EXPECT_EQ(h.ln_top.LineColor(), RGB(0, 0, 0));
    EXPECT_EQ(h.st_caption.TextColor(), RGB(0, 0, 255)); // still the hover's
    mouse.Release();
    EXPECT_EQ(h.ln_top.LineColor(), RGB(255, 255, 255));
    EXPECT_EQ(GetCapture(), Handle(h)); // the pointer is still over it
    mouse.GlideTo(h, 110, 40);
    EXPECT_TRUE(uo_qq_header::ib_captured);
}

TEST_F(Bar, AHeaderThatItsClickSlidesAwayEndsFlatAndLetsTheCaptureGo)
{
    draw(3);
    uo_qq_header &third = panel(3).uo_header;
    const QImage flat = third.widget()->grab().toImage();
    // Header 3 rises under header 2 inside its click, away from the pointer;
    // the next button the pointer comes to takes the capture.
    mouse.Click(third, 200, 40);
    EXPECT_EQ(panel(3).Y(), 387);
    EXPECT_EQ(third.widget()->grab().toImage(), flat);
    EXPECT_EQ(GetCapture(), 0u);
    EXPECT_FALSE(uo_qq_header::ib_captured);
    mouse.GlideTo(panel(3).uo_btn1, 200, 150);
    EXPECT_EQ(GetCapture(), Handle(panel(3).uo_btn1));

    // A click on the open group's header moves nothing: it keeps its hover.
    mouse.Click(third, 200, 40);
    EXPECT_EQ(panel(3).Y(), 387);
    EXPECT_NE(third.widget()->grab().toImage(), flat);
    EXPECT_EQ(GetCapture(), Handle(third));
}
