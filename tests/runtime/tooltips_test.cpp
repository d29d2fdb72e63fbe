// The tooltip window: tools by window and rectangle, the tip of the tool
// under the pointer.
#include "runtime/win32/tooltips.h"

#include <QToolTip>
#include <QWidget>
#include <gtest/gtest.h>

using namespace runtime;

TEST(ToolTipWindow, ShowsTheLatestToolUnderThePointer)
{
    QWidget a, b;
    a.resize(100, 50);
    a.show();
    ToolTipWindow tips;
    EXPECT_FALSE(tips.AddTool(nullptr, 1, {0, 0, 10, 10}, "none"));
    ASSERT_TRUE(tips.AddTool(&a, 1, {0, 0, 50, 50}, ""));
    ASSERT_TRUE(tips.AddTool(&a, 2, {0, 0, 50, 50}, "left half"));
    ASSERT_TRUE(tips.AddTool(&b, 3, {0, 0, 100, 50}, "other window"));

    tips.RelayMouseMove(&a, {10, 10});
    EXPECT_EQ(tips.ShownText(), "left half");
    EXPECT_EQ(QToolTip::text(), "left half");
    tips.RelayMouseMove(&a, {60, 10}); // no tool of a there
    EXPECT_EQ(tips.ShownText(), "");
    tips.RelayMouseMove(&a, {49, 49});
    EXPECT_EQ(tips.ShownText(), "left half");
    tips.RelayMouseMove(&a, {50, 10}); // the right edge is outside
    EXPECT_EQ(tips.ShownText(), "");
}
