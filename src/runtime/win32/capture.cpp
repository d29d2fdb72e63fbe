#include "runtime/win32/capture.h"

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>

namespace runtime {

namespace {

// Watches every mouse event of the application: notes where the pointer is
// and sends the events to the window that holds the capture.
class MouseRouter : public QObject {
public:
    QPointer<QWidget> holder;
    bool seen = false;
    QPoint lastGlobal;

protected:
    bool eventFilter(QObject *target, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::MouseMove:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick: break;
        case QEvent::Leave: pointerLeft(target); return false;
        default: return false;
        }
        auto *mouse = static_cast<QMouseEvent *>(event);
        seen = true;
        lastGlobal = mouse->globalPosition().toPoint();
        if (!holder || target == holder || delivering_ || !target->isWidgetType())
            return false;
        // A window that is disabled, or shut out by a modal window, loses the
        // capture: the input goes where the pointer is.
        if (!mayKeepCapture(holder)) {
            holder = nullptr;
            return false;
        }
        // The holder alone receives the message, at its own coordinates.
        QMouseEvent redirected(mouse->type(), holder->mapFromGlobal(mouse->globalPosition()),
                               mouse->scenePosition(), mouse->globalPosition(), mouse->button(),
                               mouse->buttons(), mouse->modifiers());
        delivering_ = true;
        QPointer<QWidget> to = holder;
        QApplication::sendEvent(to, &redirected);
        delivering_ = false;
        return true;
    }

private:
    // Qt reports no moves once the pointer is outside the program's windows;
    // the holder still hears of the pointer leaving its window, as one move
    // to where the pointer now is.
    void pointerLeft(QObject *target)
    {
        if (!holder || delivering_ || target != holder->window() || !mayKeepCapture(holder))
            return;
        const QPointF global = QCursor::pos();
        QMouseEvent moved(QEvent::MouseMove, holder->mapFromGlobal(global), global, global, Qt::NoButton,
                          QApplication::mouseButtons(), QApplication::keyboardModifiers());
        delivering_ = true;
        QPointer<QWidget> to = holder;
        QApplication::sendEvent(to, &moved);
        delivering_ = false;
    }

    static bool mayKeepCapture(const QWidget *widget)
    {
        if (!widget->isEnabled())
            return false;
        const QWidget *modal = QApplication::activeModalWidget();
        return !modal || modal == widget->window() || modal->isAncestorOf(widget);
    }

    bool delivering_ = false;
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
    const WindowHandle before = mice->holder ? HandleOf(mice->holder) : 0;
    mice->holder = widget;
    return before;
}

bool ReleaseCapture()
{
    if (MouseRouter *mice = router())
        mice->holder = nullptr;
    return true;
}

WindowHandle GetCapture()
{
    MouseRouter *mice = router();
    return mice && mice->holder ? HandleOf(mice->holder) : 0;
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
