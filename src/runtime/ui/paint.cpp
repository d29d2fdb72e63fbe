#include "runtime/ui/paint.h"

#include <QEvent>
#include <QWidget>

namespace runtime {

namespace {

class PaintBinding : public QObject {
public:
    PaintBinding(QWidget *widget, const Event<> &event) : QObject(widget), event_(event) {}

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !pending_) {
            pending_ = true;
            QMetaObject::invokeMethod(
                this,
                [this] {
                    pending_ = false;
                    event_.Trigger();
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    const Event<> &event_;
    bool pending_ = false;
};

} // namespace

void BindPaint(Control &control, const Event<> &event)
{
    control.widget()->installEventFilter(new PaintBinding(control.widget(), event));
}

} // namespace runtime
