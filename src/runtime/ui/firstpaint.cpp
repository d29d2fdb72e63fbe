#include "runtime/ui/firstpaint.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

namespace runtime {

namespace {

class FirstPaintWatcher : public QObject {
public:
    explicit FirstPaintWatcher(QObject *parent) : QObject(parent) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType() && static_cast<QWidget *>(watched)->isWindow()) {
            qApp->removeEventFilter(this);
            // The window's own paint comes first; its controls paint and the
            // frame reaches the screen before the event loop runs a timer.
            QTimer::singleShot(0, [] {
                std::fputs("first paint\n", stdout);
                std::fflush(stdout);
                std::_Exit(0);
            });
        }
        return false;
    }
};

} // namespace

void WatchFirstPaintFromEnvironment()
{
    const char *value = std::getenv("RUNTIME_EXIT_AT_FIRST_PAINT");
    if (!value || !*value)
        return;
    qApp->installEventFilter(new FirstPaintWatcher(qApp));
}

} // namespace runtime
