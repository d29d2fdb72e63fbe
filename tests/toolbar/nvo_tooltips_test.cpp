// The toolbar's tooltip wrapper: tool identifiers, the tool's rectangle and
// text as registered, the text changes, the tracking tip, the font and the
// tool's rectangle changed later. A user object relays its mouse moves to the
// wrapper as a toolbar button does; the pointer is driven through Qt's
// window-system interface (pointer.h) and time is stepped on a manual clock.
#include "pointer.h"
#include "runtime/draw/units.h"
#include "runtime/ui/userobject.h"
#include "runtime/ui/window.h"
#include "runtime/win32/logfonts.h"
#include "runtime/win32/mouse.h"
#include "test_windows.h"
#include "toolbar/nvo_tooltips.h"
#include "tooltip_looks.h"

#include <gtest/gtest.h>

using namespace runtime;
using namespace std::chrono_literals;

namespace {

// The wrapper the tools relay to.
nvo_tooltips *inv_tips = nullptr;

class uo_tool : public UserObject {
public:
    uo_tool(ControlParent &parent, const String &name) : UserObject(parent, name)
    {
        ue_mousemove = [this](unsigned long, int, int) {
            if (inv_tips)
                inv_tips->relaymsg(*this);
        };
        BindMouse(*this, MouseMessage::MouseMove, ue_mousemove);
    }
    MouseEvent ue_mousemove{this, "ue_mousemove"};
};

// A tool of 100 by 50 pixels at 10, 10.
class w_tips : public Window {
public:
    w_tips() : Window("w_tips")
    {
        Resize(2000, 1000);
        uo_1.Move(PixelsToUnitsX(10), PixelsToUnitsY(10));
        uo_1.Resize(PixelsToUnitsX(100), PixelsToUnitsY(50));
    }
    uo_tool uo_1{*this, "uo_1"};
};
GlobalWindow<w_tips> tipsWindow;

class Tooltips : public testing::Test {
protected:
    void SetUp() override
    {
        SetClock(&clock);
        Open(tipsWindow);
        tips = std::make_unique<nvo_tooltips>();
        inv_tips = tips.get();
    }
    void TearDown() override
    {
        inv_tips = nullptr;
        tips.reset();
        CloseAllWindows();
        SetClock(nullptr);
    }
    uo_tool &tool() { return tipsWindow->uo_1; }
    QImage tip() const { return TipImage(tips->hwndtt); }
    void restOn(QPoint at)
    {
        pointer::MoveTo(tool().widget(), at);
        clock.Advance(kToolTipInitialDelay);
    }
    // Off the tool for long enough that the next tip waits the whole delay.
    void away()
    {
        pointer::MoveTo(tool().widget()->window(), {300, 200});
        clock.Advance(1000ms);
    }

    ManualClock clock;
    std::unique_ptr<nvo_tooltips> tips;
};

} // namespace

TEST_F(Tooltips, IdentifiersRunOnThroughEveryRegistrationRefusedOrNot)
{
    EXPECT_EQ(tips->addtool(tool(), "", 0), 1);
    EXPECT_EQ(tips->addtool(tool(), "第二", 0), 2);
    DestroyToolTipWindow(tips->hwndtt); // no window: it refuses, the ids still go
    EXPECT_EQ(tips->addtool(tool(), "第三", 0), -1);
    EXPECT_EQ(tips->addtool(tool(), "第四", 0), -1);
    tips->hwndtt = CreateToolTipWindow();
    EXPECT_EQ(tips->addtool(tool(), "第五", 0), 5);
    restOn({20, 20});
    EXPECT_EQ(tip(), TipLooks("第五"));
}

TEST_F(Tooltips, AToolIsTheWholeControlAsItWasWithItsTextCutToTheBlock)
{
    tips->addtool(tool(), String(100, 'x'), 0);
    tool().Resize(PixelsToUnitsX(200), PixelsToUnitsY(50)); // grown since
    restOn({99, 49});
    EXPECT_EQ(tip(), TipLooks(String(79, 'x')));
    away();
    restOn({100, 20});
    EXPECT_TRUE(tip().isNull());

    // A Chinese text is cut between characters: 39 of them, 78 bytes.
    String chinese;
    for (int i = 0; i < 50; ++i)
        chinese += "字";
    tips->addtool(tool(), chinese, 0);
    away();
    restOn({20, 20});
    EXPECT_EQ(tip(), TipLooks(chinese.substr(0, 78)));
}

TEST_F(Tooltips, TheTextChangesAtOnceCutAsAStringAndWholeAsAText)
{
    const int id = tips->addtool(tool(), "旧提示", 0);
    restOn({20, 20});
    tips->settiptext(tool(), id, String(300, 'y'));
    EXPECT_EQ(tip(), TipLooks(String(254, 'y')));
    const String whole(300, 'z');
    tips->settiptext(tool(), id, whole.c_str());
    EXPECT_EQ(tip(), TipLooks(whole));
    tips->settiptext(tool(), id + 1, String("无此工具")); // no such tool
    EXPECT_EQ(tip(), TipLooks(whole));
}

TEST_F(Tooltips, ATrackingTipShowsAtThePositionSetUntilTurnedOffByFalseOrNull)
{
    const int id = tips->addtool(tool(), "跟踪提示", nvo_tooltips::ttf_track);
    restOn({20, 20});
    EXPECT_TRUE(tip().isNull()); // the pointer does not show a tracking tool

    tips->settipposition(250, 180);
    tips->settrack(tool(), id, true);
    EXPECT_EQ(tip(), TipLooks("跟踪提示"));
    EXPECT_EQ(WidgetOf(tips->hwndtt)->pos(), QPoint(250, 180));
    tips->settipposition(40, 30);
    EXPECT_EQ(WidgetOf(tips->hwndtt)->pos(), QPoint(40, 30));
    tips->settrack(tool(), id, std::nullopt);
    EXPECT_TRUE(tip().isNull());
    tips->settrack(tool(), id, true);
    EXPECT_FALSE(tip().isNull());
    tips->settrack(tool(), id, false);
    EXPECT_TRUE(tip().isNull());
}

TEST_F(Tooltips, TheFontAndTheToolsRectangleAsSet)
{
    LogFont large;
    large.height = -28;
    large.faceName = "宋体";
    const GdiObject font = CreateFontIndirect(large);
    tips->setfont(static_cast<long>(font));
    const int id = tips->addtool(tool(), "字体", 0);
    restOn({20, 20});
    EXPECT_EQ(tip(), TipLooks("字体", font));
    EXPECT_GE(InkBox(tip()).height(), 22);

    tips->updatetiprect(tool(), id, 50, 0, 100, 50);
    away();
    restOn({20, 20});
    EXPECT_TRUE(tip().isNull());
    away();
    restOn({70, 20});
    EXPECT_EQ(tip(), TipLooks("字体", font));
    DeleteObject(font);
}
