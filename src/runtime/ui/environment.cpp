#include "runtime/ui/environment.h"

#include <QGuiApplication>
#include <QScreen>

namespace runtime {

namespace {

EnvironmentSource &source()
{
    static EnvironmentSource s;
    return s;
}

int fromScreen(Environment &env)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return -1;
    env.ScreenWidth = screen->geometry().width();
    env.ScreenHeight = screen->geometry().height();
    return 1;
}

} // namespace

int GetEnvironment(Environment &env) { return source() ? source()(env) : fromScreen(env); }

void SetEnvironmentSource(EnvironmentSource s) { source() = std::move(s); }

} // namespace runtime
