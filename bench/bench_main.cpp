// Benchmarks run under the runtime's application object, like the tests, on
// the offscreen platform unless QT_QPA_PLATFORM names another. The offscreen
// screen is made 1280×1024 (Qt's own is 800×600), the size of the learner's
// screen, so that maximized windows paint what they paint there; programs
// the benchmarks start inherit the same screen.
#include "runtime/ui/application.h"

#include <QTemporaryFile>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>

namespace {

// The offscreen platform warns at every window raised; the figures stay
// readable without it.
void quietRaise(QtMsgType, const QMessageLogContext &, const QString &message)
{
    if (message != QLatin1String("This plugin does not support raise()"))
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

} // namespace

int main(int argc, char **argv)
{
    qInstallMessageHandler(quietRaise);
    QTemporaryFile screens;
    if (!std::getenv("QT_QPA_PLATFORM") && screens.open()) {
        screens.write(R"({"screens": [{"name": "screen", "x": 0, "y": 0, "width": 1280, "height": 1024,
                          "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
        screens.flush();
        setenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + screens.fileName().toStdString()).c_str(), 1);
    }
    runtime::Application app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
