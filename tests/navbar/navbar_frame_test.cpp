// The navigation bar in the frame under a mouse that comes through the
// platform: a click on one of its buttons runs the menu item of the same
// text, and a window that the item opens leaves every button at rest.
#include "app/w_setup.h"
#include "exam/w_login_2012.h"
#include "exam/w_mnkz_2012.h"
#include "frame/w_about.h"
#include "frame/w_main.h"
#include "navbar/uo_qq_pb.h"
#include "platform_mouse.h"
#include "running_program.h"
#include "runtime/ui/clock.h"
#include "runtime/win32/capture.h"

#include <QCoreApplication>
#include <QImage>

using namespace runtime;

namespace {

class NavigationInTheFrame : public RunningProgram {
protected:
    void SetUp() override
    {
        RunningProgram::SetUp();
        SetClock(&clock);
        start();
    }
    void TearDown() override
    {
        RunningProgram::TearDown();
        SetClock(nullptr);
    }
    uo_qq_pb &bar() { return w_main->uo_look; }
    uo_qq_panel &panel(int k) { return *bar().panels.at(k - 1); }
    // What the learner sees of every button of the bar.
    std::vector<QImage> buttonLooks()
    {
        std::vector<QImage> looks;
        for (uo_qq_panel *p : bar().panels)
            for (uo_qq_button *b : p->buttons)
                if (b->Visible())
                    looks.push_back(b->widget()->grab().toImage());
        return looks;
    }
    // Off the bar, over the frame's work space.
    void glideOff() { mouse.GlideTo(w_main->mdi_1, 400, 400); }
    // The close box of a window, which X reports as a close request.
    static void closeBox(Window &window)
    {
        QWindowSystemInterface::handleCloseEvent<QWindowSystemInterface::SynchronousDelivery>(
            window.widget()->windowHandle());
    }

    ManualClock clock;
    PlatformMouse mouse;
};

} // namespace

TEST_F(NavigationInTheFrame, AButtonClickRunsTheMenuItemOnceTheClickIsOver)
{
    uo_qq_panel &first = panel(1);
    EXPECT_EQ(first.uo_header.of_text(), "模拟考试与练习");
    EXPECT_EQ(bar().movespeed, 15);
    ASSERT_TRUE(first.uo_btn4.Visible());
    EXPECT_EQ(first.uo_btn4.of_text(), "系统设置");

    mouse.Click(first.uo_btn4, 200, 230); // on its caption
    EXPECT_FALSE(w_setup.IsValid());      // posted: it runs once the click is over
    QCoreApplication::processEvents();
    EXPECT_TRUE(w_setup.IsValid());
}

TEST_F(NavigationInTheFrame, AfterTheAboutBoxEveryButtonIsFlatAndItsPictureOpensItAgain)
{
    mouse.Click(panel(2).uo_header, 100, 40);
    uo_qq_panel &help = panel(2);
    ASSERT_EQ(help.movetype, "Down");
    ASSERT_EQ(help.uo_btn1.of_text(), "关于本软件");
    glideOff();
    const std::vector<QImage> atRest = buttonLooks();

    // The box opens after the button's click is over, over a button that
    // still holds the capture; its own button gets the click that closes it.
    int opened = 0;
    const auto closeTheBox = [&] {
        ++opened;
        mouse.Click(w_about->cb_1.widget());
    };
    WhenOpen(w_about, closeTheBox);
    mouse.Click(help.uo_btn1, 200, 230);
    QCoreApplication::processEvents();
    ASSERT_EQ(opened, 1);
    EXPECT_FALSE(w_about.IsValid());
    mouse.Settle();

    // Over two other buttons of the bar and off it again.
    mouse.GlideTo(help.uo_btn2, 200, 150);
    mouse.GlideTo(help.uo_btn3, 200, 150);
    glideOff();
    EXPECT_EQ(buttonLooks(), atRest);
    EXPECT_EQ(GetCapture(), 0u);

    // A click on the picture, and one on the caption, open the box again.
    WhenOpen(w_about, closeTheBox);
    mouse.Click(help.uo_btn1.p_1.widget());
    QCoreApplication::processEvents();
    mouse.Settle();
    WhenOpen(w_about, closeTheBox);
    mouse.Click(help.uo_btn1, 200, 230);
    QCoreApplication::processEvents();
    mouse.Settle();
    EXPECT_EQ(opened, 3);
    glideOff();
    EXPECT_EQ(buttonLooks(), atRest);
}

TEST_F(NavigationInTheFrame, TheClassWindowOpensAgainAfterItWasClosedAndAfterAnExamination)
{
    uo_qq_button &exam = panel(1).uo_btn1;
    ASSERT_EQ(exam.of_text(), "模拟考试");
    glideOff();
    const std::vector<QImage> atRest = buttonLooks();

    // Closed with its close box.
    int opened = 0;
    WhenOpen(w_login_2012, [&] {
        ++opened;
        closeBox(*w_login_2012);
    });
    mouse.Click(exam.p_1.widget());
    QCoreApplication::processEvents();
    mouse.Settle();
    ASSERT_EQ(opened, 1);
    glideOff();
    EXPECT_EQ(buttonLooks(), atRest);

    // Its "确定" starts an examination; the learner closes that.
    WhenOpen(w_login_2012, [&] {
        ++opened;
        mouse.Click(w_login_2012->cb_1.widget());
    });
    mouse.Click(exam, 200, 230);
    QCoreApplication::processEvents();
    ASSERT_EQ(opened, 2);
    ASSERT_TRUE(w_mnkz_2012.IsValid());
    closeBox(*w_mnkz_2012);
    QCoreApplication::processEvents();
    mouse.Settle();
    glideOff();
    EXPECT_EQ(buttonLooks(), atRest);

    WhenOpen(w_login_2012, [&] {
        ++opened;
        closeBox(*w_login_2012);
    });
    mouse.Click(exam.p_1.widget());
    QCoreApplication::processEvents();
    EXPECT_EQ(opened, 3);
}

// A hand that moves fast from one button straight onto the next and clicks
// at once: the first button lets the capture go, the second hears of the
// pointer without another motion, so the click runs the second one's item.
TEST_F(NavigationInTheFrame, AQuickMoveFromOneButtonOntoAnotherThenAClickRunsTheOther)
{
    uo_qq_panel &first = panel(1);
    ASSERT_EQ(first.uo_btn4.of_text(), "系统设置");
    mouse.GlideTo(first.uo_btn3, 200, 150);
    ASSERT_EQ(GetCapture(), Handle(first.uo_btn3));
    mouse.JumpTo(first.uo_btn4, 200, 150);
    QCoreApplication::processEvents();
    EXPECT_EQ(GetCapture(), Handle(first.uo_btn4));
    mouse.Press();
    mouse.Release();
    QCoreApplication::processEvents();
    EXPECT_TRUE(w_setup.IsValid());
}
