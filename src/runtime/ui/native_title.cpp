#include "runtime/ui/native_title.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

namespace runtime {

namespace {

xcb_atom_t Atom(xcb_connection_t *connection, const char *name)
{
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, static_cast<uint16_t>(strlen(name)), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
    free(reply);
    return atom;
}

} // namespace

void KeepEmptyTitleEmpty(QWidget *topLevel)
{
    if (!topLevel->windowTitle().isEmpty() || !topLevel->windowHandle() ||
        !topLevel->windowHandle()->handle())
        return;
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return;
    const auto window = static_cast<xcb_window_t>(topLevel->winId());
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, XCB_ATOM_WM_NAME,
                        XCB_ATOM_STRING, 8, 0, "");
    if (const xcb_atom_t netName = Atom(connection, "_NET_WM_NAME"))
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, netName,
                            Atom(connection, "UTF8_STRING"), 8, 0, "");
    xcb_flush(connection);
}

} // namespace runtime
