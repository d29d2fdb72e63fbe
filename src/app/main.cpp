// The trainer's entry point: the application object's life around Qt's event loop.
#include "app/app.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication qapp(argc, argv);
    app &application = theApp();
    application.create();
    if (!application.open())
        return 1;
    const int status = QApplication::exec();
    application.close();
    application.destroy();
    return status;
}
