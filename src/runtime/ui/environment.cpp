#include "runtime/ui/environment.h"

#include <QGuiApplication>
#include <QScreen>

namespace runtime {

int GetEnvironment(Environment &env)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return -1;
    env.ScreenWidth = screen->geometry().width();
    env.ScreenHeight = screen->geometry().height();
    return 1;
}

} // namespace runtime
