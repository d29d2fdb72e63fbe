// Properties of a window as the X server holds them, where a window manager
// or a task bar reads them. For tests on Qt's xcb platform.
#pragma once

#include <QGuiApplication>
#include <QWidget>
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <string>

// The value of the window's property NAME ("_NET_WM_NAME", "WM_NAME" …), as
// bytes; empty when it is not set.
inline std::string X11Property(const QWidget *window, const char *name)
{
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t *c = x11->connection();
    xcb_intern_atom_reply_t *atom = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, strlen(name), name), nullptr);
    xcb_get_property_reply_t *reply = xcb_get_property_reply(
        c, xcb_get_property(c, 0, static_cast<xcb_window_t>(window->winId()), atom->atom, XCB_GET_PROPERTY_TYPE_ANY, 0, 1024),
        nullptr);
    std::string value(static_cast<const char *>(xcb_get_property_value(reply)), xcb_get_property_value_length(reply));
    free(reply);
    free(atom);
    return value;
}
