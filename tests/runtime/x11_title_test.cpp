// Window titles as an X11 window manager reads them: a window with a title
// shows it, a window whose title is empty shows none (not the program's
// name). Runs on a real X server (xvfb-run), on Qt's xcb platform.
#include "runtime/text/text.h"
#include "runtime/ui/window.h"
#include "x11_properties.h"

#include <QApplication>
#include <gtest/gtest.h>

using namespace runtime;

namespace {

struct w_titled : Window {
    w_titled() : Window("w_titled") {}
};
GlobalWindow<w_titled> titled;

} // namespace

TEST(X11Titles, AnEmptyTitleStaysEmptyAndAGivenOneShows)
{
    ASSERT_EQ(QGuiApplication::platformName(), "xcb");
    for (const std::string title : {"", "维拓练习系统"}) {
        Open(titled);
        titled->SetTitle(title);
        QCoreApplication::processEvents();
        const QWidget *window = titled->Canvas()->window();
        EXPECT_EQ(X11Property(window, "_NET_WM_NAME"), ToQString(title).toStdString());
        if (title.empty()) {
            EXPECT_EQ(X11Property(window, "WM_NAME"), "");
        }
        // A later change to empty clears what was shown.
        titled->SetTitle("");
        QCoreApplication::processEvents();
        EXPECT_EQ(X11Property(window, "_NET_WM_NAME"), "");
        EXPECT_EQ(X11Property(window, "WM_NAME"), "");
        Close(titled);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}
