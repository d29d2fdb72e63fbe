#include "runtime/win32/capture.h"

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>

namespace runtime {

namespace {

// The property that marks a widget whose messages go where the pointer is.
constexpr const char *kFollowsThePointer = "runtime_followsThePointer";
// The source of the messages that the router sends on.
constexpr Qt::MouseEventSource kRouted = Qt::MouseEventSynthesizedByApplication;

// Watches every mouse event of the application: notes where the pointer is
// and sends the events to the window that holds the capture. It also watches
// for what ends a capture besides a release.
class MouseRouter : public QObject {
public:
    bool seen = false;
    QPoint lastGlobal;

    QWidget *holder() const { return holder_; }

    // Gives the capture to widget (null: to nobody) and tells the widget that
    // held it before, if that is another one.
    void setHolder(QWidget *widget)
    {
        const QPointer<QWidget> lost = holder_;
        holder_ = widget;
        if (lost && lost != widget) {
            QEvent changed(static_cast<QEvent::Type>(CaptureChangedEventType()));
            QApplication::sendEvent(lost, &changed);
        }
        // While the capture was held, the window under the pointer heard
        // nothing of the pointer; once nobody holds it, that window gets a
        // move where the pointer is, as the operating system sends one, so
        // that a control the pointer went onto meanwhile notices it without
        // waiting for the hand to move again.
        if (lost && !widget && !movePending_) {
            movePending_ = true;
            QMetaObject::invokeMethod(this, &MouseRouter::moveWhereThePointerIs, Qt::QueuedConnection);
        }
    }

protected:
    bool eventFilter(QObject *target, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::MouseMove:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick: break;
        case QEvent::Leave: pointerLeft(target); return false;
        case QEvent::WindowBlocked: // a modal window has opened over it
        case QEvent::Hide:          // it closes
            if (holder_ && target == holder_->window())
                setHolder(nullptr);
            return false;
        case QEvent::EnabledChange:
            // Disabling a widget disables its children too, each told alike.
            if (holder_ && target == holder_ && !holder_->isEnabled())
                setHolder(nullptr);
            return false;
        default: return false;
        }
        auto *mouse = static_cast<QMouseEvent *>(event);
        // Our own messages, also as Qt passes them on to the parents, have
        // been routed already.
        if (mouse->source() == kRouted)
            return false;
        seen = true;
        lastGlobal = mouse->globalPosition().toPoint();
        if (!target->isWidgetType() || target == holder_)
            return false;
        // A window that is disabled, or shut out by a modal window or a pop-up
        // menu, loses the capture: the input goes where the pointer is.
        if (holder_ && !mayKeepCapture(holder_))
            setHolder(nullptr);
        if (holder_) {
            // The holder alone receives the message, at its own coordinates.
            deliver(holder_, *mouse);
            return true;
        }
        // Only the message as it comes from the window system, not its copies
        // passed on to the parents.
        return event->spontaneous() && toWhereThePointerIs(static_cast<QWidget *>(target), *mouse);
    }

private:
    // Qt reports no moves once the pointer is outside the program's windows;
    // the holder still hears of the pointer leaving its window, as one move
    // to where the pointer now is.
    void pointerLeft(QObject *target)
    {
        if (!holder_ || target != holder_->window() || !mayKeepCapture(holder_))
            return;
        const QPointF global = QCursor::pos();
        QMouseEvent moved(QEvent::MouseMove, holder_->mapFromGlobal(global), global, global, Qt::NoButton,
                          QApplication::mouseButtons(), QApplication::keyboardModifiers(), kRouted);
        QApplication::sendEvent(holder_, &moved);
    }

    // The move that follows the end of a capture: to the widget under the
    // pointer, if it follows the pointer by its own mouse messages and takes
    // input now, and only while nobody has taken the capture since.
    void moveWhereThePointerIs()
    {
        movePending_ = false;
        if (holder_ || !seen)
            return;
        QWidget *under = QApplication::widgetAt(lastGlobal);
        if (!under || !followsThePointer(under) || !mayKeepCapture(under))
            return;
        QMouseEvent moved(QEvent::MouseMove, under->mapFromGlobal(QPointF(lastGlobal)), QPointF(lastGlobal),
                          QPointF(lastGlobal), Qt::NoButton, QApplication::mouseButtons(),
                          QApplication::keyboardModifiers(), kRouted);
        QApplication::sendEvent(under, &moved);
    }

    // While a button is held, Qt sends the mouse to the widget that got the
    // press. Without a capture the operating system sends each message to
    // the window under the pointer instead, and so do we for the windows
    // that follow the pointer by their own mouse messages: elsewhere on the
    // screen, nobody in the program hears of it. Other widgets keep Qt's way
    // (a push button still sees the release that ends its press).
    bool toWhereThePointerIs(QWidget *target, const QMouseEvent &mouse)
    {
        if (!followsThePointer(target) || QApplication::activePopupWidget() || QWidget::mouseGrabber())
            return false;
        QWidget *window = target->window();
        const QPoint inWindow = window->mapFromGlobal(mouse.globalPosition()).toPoint();
        QWidget *under = nullptr;
        if (window->rect().contains(inWindow)) {
            under = window->childAt(inWindow);
            if (!under)
                under = window;
        } else if ((under = QApplication::widgetAt(mouse.globalPosition().toPoint())) && !mayKeepCapture(under)) {
            under = nullptr;
        }
        if (under == target)
            return false;
        if (under)
            deliver(under, mouse);
        return true;
    }

    static bool followsThePointer(const QWidget *widget)
    {
        for (; widget; widget = widget->isWindow() ? nullptr : widget->parentWidget())
            if (widget->property(kFollowsThePointer).toBool())
                return true;
        return false;
    }

    // Sends the message to widget at its own coordinates.
    static void deliver(QWidget *widget, const QMouseEvent &mouse)
    {
        QMouseEvent copy(mouse.type(), widget->mapFromGlobal(mouse.globalPosition()), mouse.scenePosition(),
                         mouse.globalPosition(), mouse.button(), mouse.buttons(), mouse.modifiers(), kRouted);
        QApplication::sendEvent(widget, &copy);
    }

    // Whether the widget may hold the capture while the window or pop-up
    // that is active now is in front.
    static bool mayKeepCapture(const QWidget *widget)
    {
        if (!widget->isEnabled())
            return false;
        const QWidget *window = widget->window();
        const QWidget *popup = QApplication::activePopupWidget();
        if (popup && popup != window)
            return false;
        const QWidget *modal = QApplication::activeModalWidget();
        return !modal || modal == window || modal->isAncestorOf(widget);
    }

    QPointer<QWidget> holder_;
    bool movePending_ = false;
};

MouseRouter *router()
{
    static QPointer<MouseRouter> instance;
    if (!instance && qApp) {
        instance = new MouseRouter;
        instance->setParent(qApp);
        qApp->installEventFilter(instance);
    }
    return instance;
}

// The router watches from the application's start, so that the pointer's
// position is known before the first capture.
void startRouter() { router(); }
Q_COREAPP_STARTUP_FUNCTION(startRouter)

} // namespace

WindowHandle SetCapture(WindowHandle hwnd)
{
    MouseRouter *mice = router();
    QWidget *widget = WidgetOf(hwnd);
    if (!mice || !widget)
        return 0;
    const WindowHandle before = mice->holder() ? HandleOf(mice->holder()) : 0;
    mice->setHolder(widget);
    return before;
}

bool ReleaseCapture()
{
    if (MouseRouter *mice = router())
        mice->setHolder(nullptr);
    return true;
}

WindowHandle GetCapture()
{
    MouseRouter *mice = router();
    return mice && mice->holder() ? HandleOf(mice->holder()) : 0;
}

void FollowThePointer(WindowHandle hwnd)
{
    if (QWidget *widget = WidgetOf(hwnd))
        widget->setProperty(kFollowsThePointer, true);
}

int CaptureChangedEventType()
{
    static const int type = QEvent::registerEventType();
    return type;
}

bool GetCursorPos(Point &point)
{
    MouseRouter *mice = router();
    const QPoint at = mice && mice->seen ? mice->lastGlobal : QCursor::pos();
    point.x = at.x();
    point.y = at.y();
    return true;
}

bool ScreenToClient(WindowHandle hwnd, Point &point)
{
    QWidget *widget = WidgetOf(hwnd);
    if (!widget)
        return false;
    const QPoint local = widget->mapFromGlobal(QPoint(int(point.x), int(point.y)));
    point.x = local.x();
    point.y = local.y();
    return true;
}

} // namespace runtime
