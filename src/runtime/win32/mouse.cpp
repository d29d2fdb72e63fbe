#include "runtime/win32/mouse.h"

#include "runtime/draw/units.h"
#include "runtime/win32/capture.h"

#include <QMouseEvent>
#include <QWidget>

namespace runtime {

namespace {

unsigned long KeyFlags(const QMouseEvent &mouse)
{
    unsigned long flags = 0;
    if (mouse.buttons() & Qt::LeftButton)
        flags |= 1;
    if (mouse.buttons() & Qt::RightButton)
        flags |= 2;
    if (mouse.modifiers() & Qt::ShiftModifier)
        flags |= 4;
    if (mouse.modifiers() & Qt::ControlModifier)
        flags |= 8;
    if (mouse.buttons() & Qt::MiddleButton)
        flags |= 16;
    return flags;
}

class MouseBinding : public QObject {
public:
    MouseBinding(QWidget *widget, MouseMessage message, const MouseEvent &event)
        : QObject(widget), widget_(widget), message_(message), event_(event)
    {
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (!matches(event) || !widget_->isEnabled())
            return false;
        const auto *mouse = static_cast<QMouseEvent *>(event);
        const QPoint at = mouse->position().toPoint();
        event_.Trigger(KeyFlags(*mouse), PixelsToUnitsX(at.x()), PixelsToUnitsY(at.y()));
        return true;
    }

private:
    bool matches(const QEvent *event) const
    {
        switch (message_) {
        case MouseMessage::MouseMove: return event->type() == QEvent::MouseMove;
        case MouseMessage::LButtonDown:
            return (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) &&
                   static_cast<const QMouseEvent *>(event)->button() == Qt::LeftButton;
        case MouseMessage::LButtonUp:
            return event->type() == QEvent::MouseButtonRelease &&
                   static_cast<const QMouseEvent *>(event)->button() == Qt::LeftButton;
        }
        return false;
    }

    QWidget *widget_;
    MouseMessage message_;
    const MouseEvent &event_;
};

// Raises the control's event when the capture module tells its widget that
// the capture is gone; a disabled widget is told too.
class CaptureChangedBinding : public QObject {
public:
    CaptureChangedBinding(QWidget *widget, const Event<> &event) : QObject(widget), event_(event) {}

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != CaptureChangedEventType())
            return false;
        event_.Trigger();
        return true;
    }

private:
    const Event<> &event_;
};

} // namespace

void BindMouse(Control &control, MouseMessage message, const MouseEvent &event)
{
    QWidget *widget = control.widget();
    if (message == MouseMessage::MouseMove) {
        // A move over a child reaches the control only when the child passes
        // it on, and Qt drops moves without a button at any widget that does
        // not track the mouse.
        widget->setMouseTracking(true);
        for (QWidget *child : widget->findChildren<QWidget *>())
            child->setMouseTracking(true);
    }
    widget->installEventFilter(new MouseBinding(widget, message, event));
    FollowThePointer(Handle(control));
}

void BindCaptureChanged(Control &control, const Event<> &event)
{
    QWidget *widget = control.widget();
    widget->installEventFilter(new CaptureChangedBinding(widget, event));
}

} // namespace runtime
