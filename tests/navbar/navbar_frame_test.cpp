// The navigation bar in the frame: built from the menu, and a click on one
// of its buttons runs the menu item of the same text.
#include "app/w_setup.h"
#include "frame/w_main.h"
#include "navbar/uo_qq_pb.h"
#include "pointer.h"
#include "running_program.h"

#include <QCoreApplication>

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
