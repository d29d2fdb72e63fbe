// The frame's toolbar: built from the frame's menu, its height per caption
// placement, its buttons' clicks, looks and tooltips.
#include "frame/m_main.h"
#include "frame/w_main.h"
#include "pointer.h"
#include "review/w_error_select.h"
#include "running_program.h"
#include "runtime/draw/picture.h"
#include "toolbar_support.h"
#include "tooltip_looks.h"

#include <QImage>

using namespace runtime;
using namespace std::chrono_literals;

namespace {

class FrameToolbar : public RunningProgram {
protected:
    uo_toolbar &bar() { return w_main->uo_1; }
    m_main &menu() { return *static_cast<m_main *>(w_main->MenuID()); }
    uo_toolbar_button &button(int i) { return *bar().iuo_buttons.at(i - 1); }
};

} // namespace

TEST_F(FrameToolbar, FiveButtonsInMenuOrderWithTheirSpacesAndCaptions)
{
    start();
    struct Expected {
        const char *caption, *picture, *tip;
        int x, width;
    };
    const Expected expected[] = {
        {"套餐练习", "Application!", "", 61, 254},    {"错误回顾", "Custom006!", "错误回顾", 318, 254},
        {"隐藏导航栏", "AlignLeft!", "隐藏导航栏", 596, 310}, {"显示导航栏", "AlignRight!", "显示导航栏", 909, 310},
        {"退出系统", "Exit!", "退出系统", 1243, 254},
    };
    ASSERT_EQ(bar().iuo_buttons.size(), 5u);
    for (int i = 1; i <= 5; ++i) {
        const Expected &e = expected[i - 1];
        SCOPED_TRACE(e.caption);
        EXPECT_EQ(button(i).buttontext, e.caption);
        EXPECT_EQ(button(i).st_caption.Text(), e.caption);
        EXPECT_TRUE(button(i).st_caption.Visible());
        EXPECT_EQ(button(i).picture_name, e.picture);
        EXPECT_EQ(button(i).tooltip, e.tip);
        EXPECT_EQ(button(i).X(), e.x);
        EXPECT_EQ(button(i).Y(), 10);
        EXPECT_EQ(button(i).Width(), e.width);
        EXPECT_EQ(button(i).Height(), 166);
        EXPECT_EQ(button(i).textalign, "Bottom");
        EXPECT_EQ(button(i).buttontype, "Normal");
        EXPECT_TRUE(button(i).Enabled());
        EXPECT_FALSE(button(i).uo_triangle.Visible());
        EXPECT_FALSE(LoadPicture(e.picture).isNull());
        // Opened in the frame itself, over the toolbar.
        EXPECT_EQ(button(i).ParentWindow(), &*w_main);
    }
    // Picture and caption of a four-character button, picture 16 pixels.
    EXPECT_EQ(button(1).plb_1.X(), 90);
    EXPECT_EQ(button(1).plb_1.Y(), 25);
    EXPECT_EQ(button(1).st_caption.X(), 15);
    EXPECT_EQ(button(1).st_caption.Y(), 99);
    EXPECT_EQ(button(3).plb_1.X(), 118);
    EXPECT_EQ(button(1).plb_1.widget()->width(), 16);

    // "模拟考试" asks for space without a picture; "退出系统" asks for three
    // and gets one.
    ASSERT_EQ(bar().iuo_spaces.size(), 3u);
    EXPECT_EQ(bar().iuo_spaces[0]->X(), 40);
    EXPECT_EQ(bar().iuo_spaces[0]->Height(), 160);
    EXPECT_EQ(bar().iuo_spaces[1]->X(), 575);
    EXPECT_EQ(bar().iuo_spaces[1]->Height(), 156);
    EXPECT_EQ(bar().iuo_spaces[2]->X(), 1222);

    // Tallest button + 25, the frame's width, the bottom line shown again by
    // the closing draw.
    EXPECT_EQ(bar().buttonheight, 166);
    EXPECT_EQ(bar().minwidth, 1500);
    EXPECT_EQ(bar().Height(), 191);
    EXPECT_EQ(bar().Width(), 8000);
    EXPECT_TRUE(bar().uo_bottomline.Visible());
    EXPECT_EQ(bar().uo_bottomline.Y(), 181);
    EXPECT_EQ(bar().ln_1.EndY(), 171);
    EXPECT_EQ(w_main->uo_look.Height(), w_main->WorkSpaceHeight() - 84 - 191);
}

TEST_F(FrameToolbar, AClickRunsTheMenuItem)
{
    start();
    ClickButton(button(3).widget()); // 隐藏导航栏
    EXPECT_EQ(w_main->uo_look.Width(), 0);
    ClickButton(button(4).widget()); // 显示导航栏
    EXPECT_EQ(w_main->uo_look.Width(), 571);

    ClickButton(button(5).widget()); // 退出系统
    EXPECT_FALSE(w_main.IsValid());
}

TEST_F(FrameToolbar, ReleasedOutsideOrWithoutAPressRunsNothing)
{
    start();
    QWidget *exit = button(5).widget();
    PlatformMouse mouse;
    mouse.GlideTo(exit, {10, 10});
    mouse.Press();
    mouse.GlideTo(exit, {-20, 10});
    EXPECT_EQ(button(5).ln_top.LineColor(), button(5).BackColor()); // left: flat
    mouse.Release();
    EXPECT_TRUE(w_main.IsValid());
    EXPECT_FALSE(button(5).ib_clicked);

    mouse.GlideTo(exit, {10, 10});
    mouse.Release();
    EXPECT_TRUE(w_main.IsValid());
}

// The top border line, one pixel below the button's top edge.
static QColor topLine(QWidget *w) { return w->grab().toImage().pixelColor(20, 1); }

TEST_F(FrameToolbar, HotAndPressedLooksAsPainted)
{
    start();
    uo_toolbar_button &b = button(2);
    QWidget *w = b.widget();
    const QColor back = w->grab().toImage().pixelColor(20, 1);
    EXPECT_EQ(back, ToQColor(w_main->BackColor())); // flat: no frame

    PlatformMouse mouse;
    mouse.GlideTo(w, {10, 10});
    EXPECT_EQ(topLine(w), QColor(255, 255, 255)); // raised
    const int captionX = b.st_caption.X();

    mouse.Press();
    EXPECT_EQ(topLine(w), QColor(128, 128, 128)); // sunken
    EXPECT_EQ(b.st_caption.X(), captionX + 5);
    EXPECT_EQ(b.plb_1.Y(), b.ii_py + 5);

    // Out and back in while pressed: flat, then pressed again.
    mouse.GlideTo(w, {w->width() + 5, 10});
    EXPECT_EQ(topLine(w), back);
    mouse.GlideTo(w, {10, 10});
    EXPECT_EQ(topLine(w), QColor(128, 128, 128));

    // Released outside: no click; then leaving without a press ends the hot
    // look and the capture.
    mouse.GlideTo(w, {w->width() + 5, 10});
    mouse.Release();
    mouse.GlideTo(w, {10, 10});
    mouse.GlideTo(w, {10, w->height() + 5});
    EXPECT_EQ(topLine(w), back);
    EXPECT_EQ(b.st_caption.X(), captionX);
    EXPECT_FALSE(w_error_select.IsValid());
}

// The frame's toolbar with time stepped by hand. The buttons' tooltip window
// outlives the test: its timers run out before the clock goes.
class FrameToolbarTips : public FrameToolbar {
protected:
    void SetUp() override
    {
        SetClock(&clock);
        FrameToolbar::SetUp();
    }
    void TearDown() override
    {
        FrameToolbar::TearDown();
        clock.Advance(10s);
        SetClock(nullptr);
    }
    ManualClock clock;
};

TEST_F(FrameToolbarTips, ASweepShowsNoTipAndRestingOnAButtonShowsItsMicroHelp)
{
    start();
    const WindowHandle tips = uo_toolbar_button::inv_tooltips().hwndtt;
    QWidget *frame = button(1).widget()->parentWidget();
    const int y = button(1).widget()->geometry().center().y();
    // Along the buttons in small steps, slower than a tip's delay per button.
    for (int x = 2; x < button(5).widget()->geometry().right() + 10; x += 4) {
        pointer::MoveTo(frame, {x, y});
        clock.Advance(40ms);
        ASSERT_TRUE(TipImage(tips).isNull()) << "at x " << x;
    }

    // At rest on "错误回顾": its micro help, below the pointer, after the delay.
    pointer::MoveTo(button(2).widget(), {20, 20});
    clock.Advance(kToolTipInitialDelay - 1ms);
    EXPECT_TRUE(TipImage(tips).isNull());
    clock.Advance(1ms);
    EXPECT_EQ(TipImage(tips), TipLooks("错误回顾"));
    EXPECT_EQ(WidgetOf(tips)->pos(), button(2).widget()->mapToGlobal(QPoint(20, 20 + kToolTipBelowPointer)));

    // The press hides it (released off the button: nothing runs).
    QWindow *window = frame->window()->windowHandle();
    QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, button(2).widget()->mapTo(frame->window(), QPoint(20, 20)));
    EXPECT_TRUE(TipImage(tips).isNull());
    const QPoint off(button(3).widget()->geometry().left() + 20, y);
    pointer::MoveTo(frame, off);
    QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, frame->mapTo(frame->window(), off));
    EXPECT_EQ(OpenWindows().size(), 1u);

    // "套餐练习" has no micro help: no tip.
    pointer::MoveTo(button(1).widget(), {20, 20});
    clock.Advance(2000ms);
    EXPECT_TRUE(TipImage(tips).isNull());
}
