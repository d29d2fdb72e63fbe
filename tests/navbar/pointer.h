// Mouse input for the navigation bar's tests: events sent to a control as
// the platform sends them, at points given in window units.
#pragma once

#include "runtime/ui/control.h"
#include "runtime/ui/units.h"

#include <QApplication>
#include <QMouseEvent>

struct Pointer {
    // A point of the control, in its own window units.
    static void Send(const runtime::Control &over, QEvent::Type type, int x, int y,
                     Qt::MouseButton button = Qt::NoButton)
    {
        QWidget *widget = over.widget();
        const QPoint at(runtime::UnitsToPixelsX(x), runtime::UnitsToPixelsY(y));
        const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::MouseButtons(button) : Qt::NoButton;
        QMouseEvent event(type, QPointF(at), QPointF(widget->mapToGlobal(at)), button, held, Qt::NoModifier);
        QApplication::sendEvent(widget, &event);
    }
    static void Move(const runtime::Control &over, int x, int y) { Send(over, QEvent::MouseMove, x, y); }
    static void Press(const runtime::Control &over, int x, int y)
    {
        Send(over, QEvent::MouseButtonPress, x, y, Qt::LeftButton);
    }
    static void Release(const runtime::Control &over, int x, int y)
    {
        Send(over, QEvent::MouseButtonRelease, x, y, Qt::LeftButton);
    }
    // Moves onto the control, presses and releases there. Three moves, as a
    // real pointer makes many: while another control holds the capture, the
    // first may only renew it and the second end it.
    static void Click(const runtime::Control &over, int x = 100, int y = 100)
    {
        Move(over, x, y);
        Move(over, x, y);
        Move(over, x, y);
        Press(over, x, y);
        Release(over, x, y);
    }
};
