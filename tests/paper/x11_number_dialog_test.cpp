// The question-number dialog as a task bar sees it: it has no caption, so
// the window system holds no name for it either (not "Untitled", not the
// program's name). Runs on a real X server, on Qt's xcb platform.
#include "paper/w_find.h"
#include "test_windows.h"
#include "x11_properties.h"

#include <QApplication>
#include <gtest/gtest.h>

using namespace runtime;

TEST(X11NumberDialog, HasNoName)
{
    ASSERT_EQ(QGuiApplication::platformName(), "xcb");
    bool seen = false;
    WhenOpen(::w_find, [&] {
        QCoreApplication::processEvents();
        const QWidget *window = ::w_find->Canvas()->window();
        EXPECT_EQ(X11Property(window, "_NET_WM_NAME"), "");
        EXPECT_EQ(X11Property(window, "WM_NAME"), "");
        seen = true;
        Close(*::w_find);
    });
    OpenWithParm(::w_find, String("7-50"));
    EXPECT_TRUE(seen);
}
