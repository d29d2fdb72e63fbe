// Window titles as an X11 window manager reads them: a window with a title
// shows it, a window whose title is empty shows none (not the program's
// name). Runs on a real X server (xvfb-run), on Qt's xcb platform.
#include "runtime/text/text.h"
#include "runtime/ui/window.h"

#include <QApplication>
#include <QGuiApplication>
#include <QWidget>
#include <xcb/xcb.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

using namespace runtime;

namespace {

std::string Property(xcb_window_t window, const char *name)
{
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t *c = x11->connection();
    xcb_intern_atom_reply_t *atom =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, strlen(name), name), nullptr);
    xcb_get_property_reply_t *reply = xcb_get_property_reply(
        c, xcb_get_property(c, 0, window, atom->atom, XCB_GET_PROPERTY_TYPE_ANY, 0, 1024), nullptr);
    std::string value(static_cast<const char *>(xcb_get_property_value(reply)),
                      xcb_get_property_value_length(reply));
    free(reply);
    free(atom);
    return value;
}

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
        const auto id = static_cast<xcb_window_t>(titled->Canvas()->window()->winId());
        EXPECT_EQ(Property(id, "_NET_WM_NAME"), ToQString(title).toStdString());
        if (title.empty()) {
            EXPECT_EQ(Property(id, "WM_NAME"), "");
        }
        // A later change to empty clears what was shown.
        titled->SetTitle("");
        QCoreApplication::processEvents();
        EXPECT_EQ(Property(id, "_NET_WM_NAME"), "");
        EXPECT_EQ(Property(id, "WM_NAME"), "");
        Close(titled);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}
