// The mouse pointer as the window system drives it. Each event enters Qt
// through its window-system interface (QTest's QWindow overloads hand it to
// QWindowSystemInterface, as the xcb platform does with what X11 delivers),
// so the whole of Qt's delivery runs: the widget under the pointer receives
// it, enter and leave follow the pointer, the press grabs the release, and a
// modal window blocks the others. A control covered by another is not
// reached, just as on the screen. Events go to the widget's own window; where
// a test is about which of several windows X would deliver to (a modal
// window, a pop-up, a window mapped under a still pointer), PlatformMouse
// picks the window by the pointer's place instead.
#pragma once

#include <QPointer>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include <cmath>
#include <stdexcept>

namespace pointer {

namespace detail {

struct Position {
    QPointer<QWindow> window;
    QPoint at;
};

inline Position &last()
{
    static Position p;
    return p;
}

} // namespace detail

// Moves the pointer to `at` within `widget` (its centre when not given), a
// few pixels per step as a hand moves a mouse, starting where the last move
// in the same window ended, else at the window's corner.
inline void MoveTo(QWidget *widget, QPoint at = {-1, -1})
{
    QWindow *window = widget->window()->windowHandle();
    if (!window || !widget->isVisible())
        throw std::runtime_error("the pointer cannot reach a widget that is not on the screen");
    if (at == QPoint(-1, -1))
        at = widget->rect().center();
    const QPoint target = widget->mapTo(widget->window(), at);
    detail::Position &p = detail::last();
    // QTest takes the point (0,0) for "the centre", so a walk starts at (1,1).
    const QPoint from = p.window == window ? p.at : QPoint(1, 1);
    const QPoint way = target - from;
    const int steps = std::max(1, static_cast<int>(std::hypot(way.x(), way.y()) / 8));
    for (int i = 1; i <= steps; ++i)
        QTest::mouseMove(window, from + way * i / steps);
    p = {window, target};
}

// Moves the pointer onto `widget` and clicks the left button there.
inline void Click(QWidget *widget, QPoint at = {-1, -1})
{
    MoveTo(widget, at);
    const detail::Position &p = detail::last();
    QTest::mouseClick(p.window, Qt::LeftButton, Qt::NoModifier, p.at);
}

} // namespace pointer
