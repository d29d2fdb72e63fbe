// The navigation bar in the frame: built from the menu, and a click on one
// of its buttons runs the menu item of the same text.
#include "app/w_setup.h"
#include "frame/w_about.h"
#include "frame/w_main.h"
#include "navbar/uo_qq_pb.h"
#include "pointer.h"
#include "running_program.h"

#include <QCoreApplication>
#include <QTest>

using namespace runtime;

class NavigationInTheFrame : public RunningProgram {};

TEST_F(NavigationInTheFrame, TheFirstGroupOpensWithItsButtonsAndAClickRunsTheMenuItem)
{
    start();
    uo_qq_pb &bar = w_main->uo_look;
    ASSERT_EQ(bar.panels.size(), 2u);
    uo_qq_panel &first = *bar.panels[0];
    EXPECT_EQ(first.movetype, "Fixed");
    EXPECT_EQ(first.uo_header.of_text(), "模拟考试与练习");
    EXPECT_EQ(bar.panels[1]->movetype, "Up");
    EXPECT_EQ(bar.panels[1]->Y() + 92, bar.Y() + bar.Height() - 7);
    EXPECT_EQ(bar.movespeed, 15);
    ASSERT_TRUE(first.uo_btn4.Visible());
    EXPECT_EQ(first.uo_btn4.of_text(), "系统设置");

    Pointer::Click(first.uo_btn4);
    EXPECT_FALSE(w_setup.IsValid()); // posted: it runs once the click is over
    QCoreApplication::processEvents();
    EXPECT_TRUE(w_setup.IsValid());
}

TEST_F(NavigationInTheFrame, AButtonOfAnotherGroupOpensAModalWindowThatTakesTheMouse)
{
    ManualClock clock;
    SetClock(&clock);
    start();
    uo_qq_pb &bar = w_main->uo_look;
    Pointer::Click(bar.panels[1]->uo_header, 100, 40);
    clock.Advance(Milliseconds(10000));
    uo_qq_panel &help = *bar.panels[1];
    ASSERT_EQ(help.movetype, "Down");
    ASSERT_EQ(help.uo_btn1.of_text(), "关于本软件");

    // The button keeps the capture after its click, but the about box shuts
    // the frame out, so its own button gets the click that closes it.
    bool closedByMouse = false;
    WhenOpen(w_about, [&] {
        QTest::mouseClick(w_about->cb_1.widget(), Qt::LeftButton);
        closedByMouse = !w_about.IsValid();
    });
    Pointer::Click(help.uo_btn1);
    QCoreApplication::processEvents();
    EXPECT_TRUE(closedByMouse);
    EXPECT_EQ(GetCapture(), 0u);
    SetClock(nullptr);
}
