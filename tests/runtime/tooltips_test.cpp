// The tooltip window: when a tip shows and hides as the pointer moves, rests,
// leaves and presses, where it shows and what it shows; tracking tips; and
// changes of a tool's text and rectangle and of the tips' font.
//
// The pointer is driven through Qt's window-system interface (pointer.h), as
// the xcb platform delivers X11's motion and button events; the tools relay
// the moves they receive, as the toolbar's buttons do. Time is stepped on a
// manual clock.
#include "pointer.h"
#include "runtime/win32/logfonts.h"
#include "runtime/win32/tooltips.h"
#include "tooltip_looks.h"

#include <QMouseEvent>
#include <QWidget>
#include <gtest/gtest.h>

using namespace runtime;
using namespace std::chrono_literals;

namespace {

// A window that hands the tooltip window every mouse move it receives, as a
// toolbar button does over itself.
class Relaying : public QWidget {
public:
    Relaying(QWidget *parent, const WindowHandle &tips) : QWidget(parent), tips_(tips) { setMouseTracking(true); }

protected:
    void mouseMoveEvent(QMouseEvent *event) override
    {
        const QPoint at = event->position().toPoint();
        RelayMouseMove(tips_, HandleOf(this), Point{at.x(), at.y()});
    }

private:
    const WindowHandle &tips_;
};

// Three tools side by side in one window: a and b touch, c lies beyond a gap
// of the window itself, which relays nothing.
class ToolTips : public testing::Test {
protected:
    void SetUp() override
    {
        SetClock(&clock);
        host.setGeometry(100, 100, 400, 120);
        a->setGeometry(10, 10, 80, 40);
        b->setGeometry(90, 10, 80, 40);
        c->setGeometry(250, 10, 80, 40);
        host.show();
        tt = CreateToolTipWindow();
        ASSERT_NE(tt, 0u);
        ASSERT_TRUE(AddTool(tt, {HandleOf(a), 1, {0, 0, 80, 40}, "甲工具"}));
        ASSERT_TRUE(AddTool(tt, {HandleOf(b), 2, {0, 0, 80, 40}, "乙工具"}));
        ASSERT_TRUE(AddTool(tt, {HandleOf(c), 3, {0, 0, 80, 40}, "丙工具"}));
    }
    void TearDown() override
    {
        DestroyToolTipWindow(tt);
        SetClock(nullptr);
    }

    QWidget *tip() const { return WidgetOf(tt); }
    bool shown() const { return tip() && tip()->isVisible(); }
    QImage tipImage() const { return TipImage(tt); }
    void restOn(QWidget *tool, QPoint at = {20, 20})
    {
        pointer::MoveTo(tool, at);
        clock.Advance(kToolTipInitialDelay);
        ASSERT_TRUE(shown());
    }
    void press(QWidget *on, QPoint at)
    {
        QTest::mousePress(host.windowHandle(), Qt::LeftButton, Qt::NoModifier, on->mapTo(&host, at));
    }

    ManualClock clock;
    QWidget host;
    WindowHandle tt = 0;
    Relaying *a = new Relaying(&host, tt), *b = new Relaying(&host, tt), *c = new Relaying(&host, tt);
};

} // namespace

TEST_F(ToolTips, ShowsOnlyOnceThePointerHasRestedForTheInitialDelay)
{
    pointer::MoveTo(a, {20, 20});
    clock.Advance(400ms);
    EXPECT_FALSE(shown());
    pointer::MoveTo(a, {24, 20}); // moved again: the wait starts over
    clock.Advance(400ms);
    EXPECT_FALSE(shown());
    clock.Advance(100ms);
    ASSERT_TRUE(shown());

    // Just below the pointer, with the tool's text on the info colour
    // inside a black frame.
    EXPECT_EQ(tip()->pos(), a->mapToGlobal(QPoint(24, 20)) + QPoint(0, kToolTipBelowPointer));
    const QImage image = tipImage();
    EXPECT_EQ(image, TipLooks("甲工具"));
    EXPECT_NE(image, TipLooks("乙工具"));
    EXPECT_EQ(QColor(image.pixel(0, 0)), QColor(Qt::black));
    EXPECT_EQ(QColor(image.pixel(2, 2)), QColor(255, 255, 225));
    EXPECT_FALSE(InkBox(image).isEmpty());
}

TEST_F(ToolTips, SweepingAlongTheToolsShowsNoTip)
{
    for (int x = 1; x < 330; x += 4) {
        pointer::MoveTo(&host, {x, 30});
        clock.Advance(40ms);
        ASSERT_FALSE(shown()) << "at x " << x;
    }
    clock.Advance(kToolTipInitialDelay);
    ASSERT_TRUE(shown());
    EXPECT_EQ(tipImage(), TipLooks("丙工具"));
}

TEST_F(ToolTips, OnceATipHasShownTheNextToolsTipFollowsQuickly)
{
    restOn(a);
    pointer::MoveTo(b, {20, 20});
    EXPECT_FALSE(shown()); // a's tip went as the pointer entered b
    clock.Advance(kToolTipReshowDelay);
    ASSERT_TRUE(shown());
    EXPECT_EQ(tipImage(), TipLooks("乙工具"));

    // Across a gap in the window, briefly: still quick.
    pointer::MoveTo(&host, {200, 30});
    clock.Advance(200ms);
    EXPECT_FALSE(shown());
    pointer::MoveTo(c, {20, 20});
    clock.Advance(kToolTipReshowDelay);
    ASSERT_TRUE(shown());
    EXPECT_EQ(tipImage(), TipLooks("丙工具"));

    // Away for longer: the whole initial delay again.
    pointer::MoveTo(&host, {200, 30});
    clock.Advance(1000ms);
    pointer::MoveTo(b, {20, 20});
    clock.Advance(kToolTipReshowDelay);
    EXPECT_FALSE(shown());
    clock.Advance(kToolTipInitialDelay - kToolTipReshowDelay);
    EXPECT_TRUE(shown());
}

TEST_F(ToolTips, HidesWhenThePointerLeavesOnAPressAndAfterTheAutopopTime)
{
    // Leaving the tool for a part of the window that relays nothing.
    restOn(a);
    pointer::MoveTo(&host, {50, 80});
    clock.Advance(kToolTipReshowDelay);
    EXPECT_FALSE(shown());

    // A press: gone, and not back while the pointer stays on the tool.
    restOn(a);
    press(a, {20, 20});
    EXPECT_FALSE(shown());
    QTest::mouseRelease(host.windowHandle(), Qt::LeftButton, Qt::NoModifier, a->mapTo(&host, QPoint(20, 20)));
    pointer::MoveTo(a, {30, 20});
    clock.Advance(2000ms);
    EXPECT_FALSE(shown());
    // Out and in again: it comes back after the whole initial delay.
    pointer::MoveTo(&host, {50, 80});
    clock.Advance(kToolTipReshowDelay);
    pointer::MoveTo(a, {20, 20});
    clock.Advance(kToolTipReshowDelay);
    EXPECT_FALSE(shown());
    clock.Advance(kToolTipInitialDelay - kToolTipReshowDelay);
    EXPECT_TRUE(shown());

    // Resting: gone after the autopop time, and not back while resting.
    clock.Advance(kToolTipAutoPop - 1ms);
    EXPECT_TRUE(shown());
    clock.Advance(1ms);
    EXPECT_FALSE(shown());
    clock.Advance(2000ms);
    EXPECT_FALSE(shown());

    // Moving on the tool keeps the tip up.
    pointer::MoveTo(&host, {50, 80});
    clock.Advance(1000ms);
    restOn(a);
    clock.Advance(4000ms);
    pointer::MoveTo(a, {30, 20});
    clock.Advance(4000ms);
    EXPECT_TRUE(shown());
    clock.Advance(1000ms);
    EXPECT_FALSE(shown());
}

TEST_F(ToolTips, TheLatestToolUnderThePointerCountsAndAnEmptyTextShowsNothing)
{
    // a now has a second tool over its left half; its first tool still
    // covers the right half.
    ASSERT_TRUE(AddTool(tt, {HandleOf(a), 4, {0, 0, 40, 40}, "左半"}));
    restOn(a, {39, 39});
    EXPECT_EQ(tipImage(), TipLooks("左半"));
    pointer::MoveTo(&host, {50, 80});
    clock.Advance(1000ms);
    restOn(a, {40, 20}); // the right edge of a tool lies outside it
    EXPECT_EQ(tipImage(), TipLooks("甲工具"));

    // A tool without text: no tip, however long the pointer rests.
    ASSERT_TRUE(AddTool(tt, {HandleOf(b), 5, {0, 0, 80, 40}, ""}));
    pointer::MoveTo(&host, {50, 80});
    clock.Advance(1000ms);
    pointer::MoveTo(b, {20, 20});
    clock.Advance(2000ms);
    EXPECT_FALSE(shown());
}

TEST_F(ToolTips, ATipNearTheScreensEdgeStaysOnTheScreen)
{
    const QRect screen = host.screen()->availableGeometry();
    host.move(screen.right() - 120, screen.bottom() - 60);
    pointer::MoveTo(a, {75, 35});
    clock.Advance(kToolTipInitialDelay);
    ASSERT_TRUE(shown());
    EXPECT_TRUE(screen.contains(tip()->frameGeometry())) << tip()->x() << "," << tip()->y();
    EXPECT_LT(tip()->y(), a->mapToGlobal(QPoint(75, 35)).y()); // above the pointer
}

TEST_F(ToolTips, RegistrationNeedsATooltipWindowAndAToolWindow)
{
    EXPECT_FALSE(AddTool(0, {HandleOf(a), 9, {0, 0, 10, 10}, "x"}));
    EXPECT_FALSE(AddTool(tt, {0, 9, {0, 0, 10, 10}, "x"}));
    const WindowHandle gone = CreateToolTipWindow();
    EXPECT_TRUE(DestroyToolTipWindow(gone));
    EXPECT_FALSE(AddTool(gone, {HandleOf(a), 9, {0, 0, 10, 10}, "x"}));
    EXPECT_FALSE(DestroyToolTipWindow(gone));
    EXPECT_FALSE(DestroyToolTipWindow(HandleOf(a))); // no tooltip window: left alone
    EXPECT_NE(WidgetOf(HandleOf(a)), nullptr);
}

TEST_F(ToolTips, ATrackingTipShowsAtOnceWhereItIsPutAndStaysUntilTurnedOff)
{
    ASSERT_TRUE(AddTool(tt, {HandleOf(b), 7, {0, 0, 80, 40}, "跟踪", kToolTrack}));
    TrackPosition(tt, {300, 200});
    TrackActivate(tt, HandleOf(b), 7, true);
    ASSERT_TRUE(shown());
    EXPECT_EQ(tip()->pos(), QPoint(300, 200));
    EXPECT_EQ(tipImage(), TipLooks("跟踪"));
    TrackPosition(tt, {310, 250});
    EXPECT_EQ(tip()->pos(), QPoint(310, 250));

    // The pointer, a press and time leave it where it is.
    pointer::MoveTo(a, {20, 20});
    press(a, {20, 20});
    QTest::mouseRelease(host.windowHandle(), Qt::LeftButton, Qt::NoModifier, a->mapTo(&host, QPoint(20, 20)));
    clock.Advance(2 * kToolTipAutoPop);
    EXPECT_TRUE(shown());
    EXPECT_EQ(tipImage(), TipLooks("跟踪"));
    EXPECT_EQ(tip()->pos(), QPoint(310, 250));

    TrackActivate(tt, HandleOf(b), 7, false);
    EXPECT_FALSE(shown());
    // The pointer shows no tracking tool: over b, b's own tip comes.
    pointer::MoveTo(&host, {50, 80});
    clock.Advance(1000ms);
    restOn(b);
    EXPECT_EQ(tipImage(), TipLooks("乙工具"));
    // A tool that is not registered tracks nothing.
    TrackActivate(tt, HandleOf(c), 99, true);
    EXPECT_EQ(tipImage(), TipLooks("乙工具"));
}

TEST_F(ToolTips, TextRectangleAndFontChangesShowAtOnce)
{
    restOn(a);
    UpdateTipText(tt, HandleOf(a), 1, "新的提示");
    EXPECT_EQ(tipImage(), TipLooks("新的提示"));
    UpdateTipText(tt, HandleOf(a), 77, "无此工具"); // no such tool: nothing changes
    EXPECT_EQ(tipImage(), TipLooks("新的提示"));

    // A larger font shows larger glyphs; a handle that is no font brings the
    // usual one back.
    LogFont large;
    large.height = -30;
    large.faceName = "黑体";
    const GdiObject font = CreateFontIndirect(large);
    const int usualInk = InkBox(tipImage()).height();
    SetToolTipFont(tt, font);
    EXPECT_EQ(tipImage(), TipLooks("新的提示", font));
    const int largeInk = InkBox(tipImage()).height();
    EXPECT_GE(largeInk, 24);
    EXPECT_LE(usualInk, 14);
    SetToolTipFont(tt, 12345);
    EXPECT_EQ(tipImage(), TipLooks("新的提示"));
    DeleteObject(font);

    UpdateTipText(tt, HandleOf(a), 1, "");
    EXPECT_FALSE(shown());

    // A smaller rectangle: the pointer at (20, 20) is no longer over the tool.
    UpdateTipText(tt, HandleOf(a), 1, "甲工具");
    pointer::MoveTo(&host, {50, 80});
    clock.Advance(1000ms);
    NewToolRect(tt, HandleOf(a), 1, {40, 0, 80, 40});
    pointer::MoveTo(a, {20, 20});
    clock.Advance(2000ms);
    EXPECT_FALSE(shown());
    restOn(a, {60, 20});
}

// A tip window outlives the clock its timers ran on (a test's clock, say):
// the next move, on another clock, starts afresh instead of touching the
// clock that is gone.
TEST_F(ToolTips, TimersLeftOnAClockThatIsGoneAreForgotten)
{
    {
        ManualClock gone;
        SetClock(&gone);
        pointer::MoveTo(a, {20, 20}); // waits for the pointer to rest
        SetClock(&clock);
    }
    pointer::MoveTo(b, {20, 20});
    clock.Advance(kToolTipInitialDelay);
    ASSERT_TRUE(shown());
    EXPECT_EQ(tipImage(), TipLooks("乙工具"));
}
