// The trainer's entry point: the application object's life around the
// runtime's event loop, which runs until the last window has closed and then
// raises the application's close event.
#include "app/app.h"

#include "runtime/ui/application.h"

#include <QIcon>

int main(int argc, char **argv)
{
    runtime::Application qapp(argc, argv);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pic/cat.gif")));
    app &application = theApp();
    application.create();
    if (!application.open())
        return 1;
    runtime::Run();
    application.destroy();
    return 0;
}
