#include "app/startup_window.h"

#include "app/globals.h"

#include <QLabel>
#include <QMainWindow>

using namespace runtime;

void OpenStartupWindow()
{
    auto *window = new QMainWindow;
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(ToQString(str_sys.systemname + "  V" + str_sys.ver + "(" + str_sys.dbver + ")"));
    window->setCentralWidget(new QLabel(ToQString(str_sys.usercorp)));
    window->showMaximized();
}
