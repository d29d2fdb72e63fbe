// Helpers for toolbar tests: mouse messages at a widget, and a window that
// holds a toolbar over a menu of the test's own.
#pragma once

#include "platform_mouse.h"
#include "runtime/draw/colors.h"
#include "runtime/ui/menu.h"
#include "runtime/ui/window.h"
#include "toolbar/uo_toolbar.h"

#include <QApplication>
#include <QMouseEvent>

// Sends a mouse message to widget at px (its own pixels); the left button is
// down during it when down is true.
inline void SendMouse(QWidget *widget, QEvent::Type type, QPoint px, bool down = false)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent e(type, px, widget->mapToGlobal(px), button, down ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &e);
}

// The mouse of the toolbar tests, driven through the platform.
inline PlatformMouse &TheMouse()
{
    static PlatformMouse mouse;
    return mouse;
}

// Glides onto the button, presses and releases inside it.
inline void ClickButton(QWidget *button) { TheMouse().Click(button, {10, 10}); }

// A menu of one top-level item whose items the test adds.
class m_test : public runtime::Menu {
public:
    m_test() : Menu("m_test") {}
    runtime::MenuItem m_top{*this, "m_top"};
    // Adds an item with a toolbar picture, caption and space.
    runtime::MenuItem &add(const runtime::String &text, const runtime::String &picture,
                           const runtime::String &caption = "", int space = 0)
    {
        auto item = std::make_unique<runtime::MenuItem>(m_top, "m_item");
        item->SetText(text);
        item->ToolbarItemName = picture;
        item->ToolbarItemText = caption;
        item->ToolbarItemSpace = space;
        items.push_back(std::move(item));
        return *items.back();
    }
    std::vector<std::unique_ptr<runtime::MenuItem>> items;
};

// A window with a toolbar at 0, 0, as the frame has it.
class w_toolbar_host : public runtime::Window {
public:
    w_toolbar_host() : Window("w_toolbar_host")
    {
        SetMenu(std::make_unique<m_test>());
        Resize(5000, 2000);
        SetBackColor(runtime::RGB(212, 208, 200));
        uo_1.Move(0, 0);
        uo_1.Resize(4000, 196);
        uo_1.SetBorderStyle(runtime::BorderStyle::None);
    }
    m_test &menu() { return *static_cast<m_test *>(MenuID()); }
    uo_toolbar uo_1{*this, "uo_1"};
};
