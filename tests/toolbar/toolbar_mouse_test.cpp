// The toolbar's buttons under a mouse that comes through the platform: a
// window that a button's item opens, or a frame it closes, leaves every
// button at rest, and the button runs its item again.
#include "frame/w_main.h"
#include "platform_mouse.h"
#include "practice/w_tc_select11.h"
#include "running_program.h"
#include "runtime/win32/capture.h"
#include "toolbar_support.h"

#include <QCoreApplication>
#include <QImage>

using namespace runtime;

namespace {

// What the learner sees of every button of a toolbar.
std::vector<QImage> ButtonLooks(const uo_toolbar &bar)
{
    std::vector<QImage> looks;
    for (uo_toolbar_button *b : bar.iuo_buttons)
        looks.push_back(b->widget()->grab().toImage());
    return looks;
}

class ToolbarInTheFrame : public RunningProgram {
protected:
    uo_toolbar_button &button(int i) { return *w_main->uo_1.iuo_buttons.at(i - 1); }
    // Off the toolbar, over the frame's work space.
    void glideOff() { mouse.GlideTo(w_main->mdi_1, 400, 400); }
    PlatformMouse mouse;
};

// A response window that an item of the test toolbar opens.
class w_box : public Window {
public:
    w_box() : Window("w_box")
    {
        SetWindowType(WindowType::Response);
        Resize(1000, 600);
        cb_1.Move(100, 100);
        cb_1.Resize(400, 120);
        cb_1.SetText("确定");
        cb_1.clicked = [this] { Close(*this); };
    }
    CommandButton cb_1{*this, "cb_1"};
};
GlobalWindow<w_box> box;
GlobalWindow<w_toolbar_host> host;

} // namespace

TEST_F(ToolbarInTheFrame, AfterThePracticeChooserClosesEveryButtonIsFlatAndOpensItAgain)
{
    start();
    ASSERT_EQ(button(1).buttontext, "套餐练习");
    glideOff();
    const std::vector<QImage> atRest = ButtonLooks(w_main->uo_1);

    for (int round = 1; round <= 2; ++round) {
        SCOPED_TRACE(round);
        mouse.Click(button(1).widget(), QPoint(20, 20));
        ASSERT_TRUE(w_tc_select11.IsValid());
        // The learner goes over to the chooser and leaves it with "退出".
        mouse.Click(w_tc_select11->cb_4.widget());
        QCoreApplication::processEvents();
        ASSERT_FALSE(w_tc_select11.IsValid());
        mouse.Settle();
        glideOff();
        EXPECT_EQ(ButtonLooks(w_main->uo_1), atRest);
        EXPECT_EQ(GetCapture(), 0u);
    }
}

TEST_F(ToolbarInTheFrame, ExitClosesTheFrameWithTheCaptureGone)
{
    start();
    ASSERT_EQ(button(5).buttontext, "退出系统");
    mouse.Click(button(5).widget(), QPoint(20, 20));
    EXPECT_FALSE(w_main.IsValid());
    EXPECT_EQ(GetCapture(), 0u);
}

TEST(ToolbarButton, AfterAModalWindowFromItsItemItIsFlatAndRunsTheItemAgain)
{
    Open(host);
    int runs = 0;
    MenuItem &item = host->menu().add("a", "Exit!", "退出系统");
    item.clicked = [&] {
        ++runs;
        Open(box);
    };
    host->menu().add("b", "AlignLeft!", "隐藏导航栏");
    uo_toolbar &bar = host->uo_1;
    bar.of_readmenu(host->MenuID());
    bar.of_draw();
    PlatformMouse mouse;
    QWidget *first = bar.iuo_buttons.at(0)->widget();
    mouse.GlideTo(host->widget(), QPoint(300, 300));
    const std::vector<QImage> atRest = ButtonLooks(bar);

    for (int round = 1; round <= 2; ++round) {
        SCOPED_TRACE(round);
        // The box opens inside the click, while the button holds the capture.
        WhenOpen(box, [&] { mouse.Click(box->cb_1.widget()); });
        mouse.Click(first, QPoint(20, 20));
        EXPECT_EQ(runs, round);
        mouse.Settle();
        mouse.GlideTo(bar.iuo_buttons.at(1)->widget(), QPoint(20, 20));
        mouse.GlideTo(host->widget(), QPoint(300, 300));
        EXPECT_EQ(ButtonLooks(bar), atRest);
        EXPECT_EQ(GetCapture(), 0u);
    }
    CloseAllWindows();
}
