// The navigation button: its layout, its looks and how it follows the
// pointer with the mouse capture.
#include "bar_window.h"
#include "runtime/draw/colors.h"

using namespace runtime;

namespace {

class Button : public Bar {
protected:
    // The second slot of an open panel 700 high: it reaches from 444 to 744,
    // past the panel's bottom edge.
    uo_qq_button &slot()
    {
        bar().SetHeight(707);
        draw(1, 3);
        return panel(1).uo_btn2;
    }
    int clicks() const { return static_cast<int>(w_bar->clicks.size()); }
};

} // namespace

TEST_F(Button, PaintFitsCaptionPictureAndFrameToTheSize)
{
    uo_qq_button &b = slot();
    b.Resize(390, 300);
    b.of_paint();
    EXPECT_EQ(b.st_caption.X(), 20);
    EXPECT_EQ(b.st_caption.Width(), 350);
    EXPECT_EQ(b.p_1.X(), (390 - b.p_1.Width()) / 2);
    auto points = [](const Line &l) { return std::vector<int>{l.BeginX(), l.BeginY(), l.EndX(), l.EndY()}; };
    EXPECT_EQ(points(b.ln_top), (std::vector<int>{5, 0, 388, 0}));
    EXPECT_EQ(points(b.ln_bottom), (std::vector<int>{5, 294, 388, 294}));
    EXPECT_EQ(points(b.ln_left), (std::vector<int>{0, 0, 0, 296}));
    EXPECT_EQ(points(b.ln_right), (std::vector<int>{384, 8, 384, 296}));
    EXPECT_EQ(points(b.ln_top2), (std::vector<int>{8, 3, 385, 3}));
    EXPECT_EQ(points(b.ln_left2), (std::vector<int>{5, 3, 5, 293}));
}

TEST_F(Button, LooksTakeThePanelsColourAndTheFocusPicture)
{
    uo_qq_button &b = slot();
    EXPECT_EQ(b.backgroundcolor, 32633329);
    EXPECT_EQ(b.focuscolor, 32633329);
    b.of_focuspicture("pic\\cat.gif");
    b.wf_buttonup();
    EXPECT_EQ(b.p_1.PictureName(), "pic\\cat.gif");
    EXPECT_EQ(b.ln_top.LineColor(), RGB(255, 255, 255));
    EXPECT_EQ(b.ln_bottom.LineColor(), RGB(0, 0, 0));
    b.wf_buttondown();
    EXPECT_EQ(b.ln_top.LineColor(), RGB(0, 0, 0));
    EXPECT_EQ(b.ln_right.LineColor(), RGB(255, 255, 255));
    b.wf_buttonflat();
    EXPECT_EQ(b.p_1.PictureName(), "pic\\logo.gif");
    EXPECT_EQ(b.ln_bottom.LineColor(), 32633329);

    // Zero colours become the defaults at the next paint.
    b.of_focuscolor(0);
    b.of_linecolor(0);
    b.of_backcolor(0);
    b.of_paint();
    EXPECT_EQ(b.focuscolor, 13085093);
    EXPECT_EQ(b.linecolor, RGB(192, 192, 192));
    EXPECT_EQ(b.backgroundcolor, RGB(224, 224, 224));

    b.of_enabled(false);
    EXPECT_EQ(b.backgroundcolor, RGB(192, 192, 192));
    EXPECT_EQ(b.st_caption.TextColor(), RGB(128, 128, 128));
    b.of_enabled(true);
    EXPECT_EQ(b.backgroundcolor, RGB(192, 192, 192));
    EXPECT_EQ(b.st_caption.TextColor(), RGB(0, 0, 0));
}

TEST_F(Button, TheMoveLeaveTestCountsTheRightColumnAndTheCutOffPartAsOutside)
{
    uo_qq_button &b = slot();
    struct Case {
        int xpos, ypos;
        bool inside;
    };
    // Width 459, height 300; the panel ends 256 below the button's top.
    const Case cases[] = {{458, 100, true}, {459, 100, false}, {-1, 100, false}, {10, -1, false},
                          {10, 255, true},  {10, 256, false}};
    for (const Case &c : cases) {
        b.ue_mousemove.Trigger(0, 10, 10); // takes the capture
        ASSERT_TRUE(b.sh_ib_captured);
        EXPECT_EQ(GetCapture(), Handle(b));
        b.ue_mousemove.Trigger(0, c.xpos, c.ypos);
        EXPECT_EQ(b.sh_ib_captured, c.inside) << c.xpos << "," << c.ypos;
        EXPECT_EQ(GetCapture() == Handle(b), c.inside);
        b.sh_ib_captured = false;
        ReleaseCapture();
    }
    // The row y = height counts as inside for a button the panel shows whole.
    uo_qq_button &first = panel(1).uo_btn1;
    first.ue_mousemove.Trigger(0, 10, 10);
    first.ue_mousemove.Trigger(0, 10, 300);
    EXPECT_TRUE(first.sh_ib_captured);
}

TEST_F(Button, PressAndReleaseClickOnceAndKeepTheHover)
{
    uo_qq_button &b = slot();
    mouse.GlideTo(b, 100, 100);
    EXPECT_EQ(GetCapture(), Handle(b));
    mouse.Press();
    EXPECT_TRUE(b.ib_clicked);
    EXPECT_FALSE(b.sh_ib_captured);
    mouse.Release();
    EXPECT_EQ(clicks(), 1);
    EXPECT_EQ(GetCapture(), Handle(b));
    EXPECT_EQ(b.ln_bottom.LineColor(), RGB(0, 0, 0)); // hover
    // A release without a press raises nothing.
    mouse.Release();
    EXPECT_EQ(clicks(), 1);
}

TEST_F(Button, LeavingWhilePressedCancelsTheClickOnlyAtTheSecondMove)
{
    for (int movesOutside : {1, 2}) {
        SCOPED_TRACE(movesOutside);
        uo_qq_button &b = slot();
        mouse.GlideTo(b, 100, 100);
        mouse.Press();
        // Outside the button, over the window: the capture sends the moves
        // and the release to the button.
        for (int k = 0; k < movesOutside; ++k)
            mouse.JumpTo(bar(), 100, 1200 + 20 * k);
        mouse.Release();
        EXPECT_EQ(clicks(), movesOutside == 1 ? 1 : 0);
        EXPECT_EQ(GetCapture(), 0u);
        EXPECT_EQ(b.ln_bottom.LineColor(), b.linecolor); // flat
        TearDown();
        SetUp();
    }
}
