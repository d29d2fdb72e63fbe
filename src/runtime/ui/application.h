// The application: Qt's application object with the runtime's start-up
// (font substitutions), the window key event, and the loop that runs until
// the last window has closed.
#pragma once

#include <QApplication>

#include <functional>

class QWidget;

namespace runtime {

class Application : public QApplication {
public:
    Application(int &argc, char **argv);
    ~Application() override;

    // Enter and Escape press the window's default and cancel buttons; other
    // keys (and those two when no such button takes them) raise the key event
    // of the window that the key reaches, whatever control has the focus,
    // before the control sees it; routes a run-time
    // error that escapes an event to systemerror.
    bool notify(QObject *receiver, QEvent *event) override;

private:
    void InstallChineseTranslations();
};

// Runs the event loop until the last window has closed, then raises the
// application's close event. Returns at once when no window is open.
void Run();

// The application's close event.
void SetApplicationCloseHandler(std::function<void()> handler);

// Destroys the top-level window as the application object ends, if it is
// still there then: Qt leaves top-level windows behind when the application
// ends, and one that an object keeps for the program's whole run (a tooltip
// window) goes with it this way.
void DestroyWithApplication(QWidget *window);

// Ends the program at once, but runs the application's close event first
// (Halt ends it without). The end goes through Halt, so a test sees it.
void HaltClose(int status = 0);

namespace detail {
void LastWindowClosed();
}

} // namespace runtime
