// A mouse for tests, driven through Qt's window-system interface the way the
// xcb platform delivers X11 input, so that all of Qt's own delivery runs:
// the widget under the pointer, enter and leave, windows shut out by a modal
// one, the mouse grab of a pop-up.
//
// What it sends is what the trainer received under Xvfb from xdotool (XI2,
// logged with QT_LOGGING_RULES=qt.qpa.input.events=true): a window that the
// pointer goes out of gets a leave, the window it comes into an enter at the
// pointer's place, then motions; the left button is button 1, held in the
// button state of the moves between its press and its release; no
// modifiers. When a window maps or unmaps under a still pointer, X sends the
// same leave and enter without a motion (Settle); Qt itself tells the
// windows that a modal one shuts out.
#pragma once

#include "runtime/draw/units.h"
#include "runtime/ui/control.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPointer>
#include <QWidget>
#include <QWindow>
#include <qpa/qwindowsysteminterface.h>

#include <algorithm>
#include <cmath>

class PlatformMouse {
public:
    // Glides to the point of widget (its own pixels) in steps of 8 pixels at
    // most, as a hand moves a mouse. The first glide comes in at the top left
    // corner of the widget's window (Qt drops a motion to where the pointer
    // already was).
    void GlideTo(QWidget *widget, QPoint at)
    {
        const QPoint to = widget->mapToGlobal(at);
        const QPoint from = placed_ ? at_ : widget->window()->mapToGlobal(QPoint(1, 1));
        const QPoint d = to - from;
        const int steps = std::max(1, (std::max(std::abs(d.x()), std::abs(d.y())) + 7) / 8);
        for (int i = 1; i <= steps; ++i)
            moveTo(from + d * i / steps);
    }
    // Glides to the point of control, given in its window units.
    void GlideTo(const runtime::Control &control, int x, int y)
    {
        GlideTo(control.widget(), QPoint(runtime::UnitsToPixelsX(x), runtime::UnitsToPixelsY(y)));
    }
    // Jumps there with a single motion, as a mouse moved fast does.
    void JumpTo(const runtime::Control &control, int x, int y)
    {
        const QPoint at(runtime::UnitsToPixelsX(x), runtime::UnitsToPixelsY(y));
        moveTo(control.widget()->mapToGlobal(at));
    }
    // The left button.
    void Press() { button(QEvent::MouseButtonPress); }
    void Release() { button(QEvent::MouseButtonRelease); }
    void Click(const runtime::Control &control, int x, int y)
    {
        GlideTo(control, x, y);
        Press();
        Release();
    }
    void Click(QWidget *widget) { Click(widget, widget->rect().center()); }
    void Click(QWidget *widget, QPoint at)
    {
        GlideTo(widget, at);
        Press();
        Release();
    }
    // After a window opened or closed under the pointer: the leave and enter
    // that X sends.
    void Settle() { settle(); }
    QPoint Position() const { return at_; }

private:
    // The top-level window that X would deliver to at the point: a pop-up or
    // a modal window in front of the others, then the active one, then the
    // latest made (X stacks a newly mapped window on top).
    static QWindow *windowAt(QPoint global)
    {
        const auto under = [global](QWindow *w) { return w && w->isVisible() && w->frameGeometry().contains(global); };
        for (QWidget *front : {QApplication::activePopupWidget(), QApplication::activeModalWidget()})
            if (front && under(front->windowHandle()))
                return front->windowHandle();
        if (under(QGuiApplication::focusWindow()))
            return QGuiApplication::focusWindow();
        const QWindowList all = QGuiApplication::topLevelWindows();
        for (auto w = all.rbegin(); w != all.rend(); ++w)
            if (under(*w))
                return *w;
        return nullptr;
    }

    void moveTo(QPoint global)
    {
        at_ = global;
        placed_ = true;
        settle();
        send(QEvent::MouseMove, Qt::NoButton);
    }

    void settle()
    {
        QWindow *under = windowAt(at_);
        if (under == in_)
            return;
        if (in_)
            QWindowSystemInterface::handleLeaveEvent<QWindowSystemInterface::SynchronousDelivery>(in_);
        in_ = under;
        if (under)
            QWindowSystemInterface::handleEnterEvent<QWindowSystemInterface::SynchronousDelivery>(
                under, under->mapFromGlobal(at_), at_);
    }

    void button(QEvent::Type type)
    {
        // Presses far apart in time, so that Qt makes no double click of two.
        time_ += 1000;
        held_ = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
        send(type, Qt::LeftButton);
    }

    void send(QEvent::Type type, Qt::MouseButton changed)
    {
        time_ += 10;
        QWindow *window = in_ ? in_.data() : windowAt(at_);
        if (!window)
            return;
        QWindowSystemInterface::handleMouseEvent<QWindowSystemInterface::SynchronousDelivery>(
            window, time_, window->mapFromGlobal(at_), at_, held_, changed, type);
    }

    QPoint at_;
    bool placed_ = false;
    QPointer<QWindow> in_;
    Qt::MouseButtons held_ = Qt::NoButton;
    ulong time_ = 0;
};
