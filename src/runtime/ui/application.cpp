#include "runtime/ui/application.h"

#include "runtime/script/error.h"
#include "runtime/ui/commandbutton.h"
#include "runtime/ui/firstpaint.h"
#include "runtime/ui/fonts.h"
#include "runtime/ui/halt.h"
#include "runtime/ui/keys.h"
#include "runtime/ui/systemerror.h"
#include "runtime/ui/window.h"

#include <QEventLoop>
#include <QLibraryInfo>
#include <QLocale>
#include <QKeyEvent>
#include <QPixmapCache>
#include <QPointer>
#include <QThread>
#include <QTranslator>

namespace runtime {

namespace {

QEventLoop *runLoop = nullptr;

std::vector<QPointer<QWidget>> &destroyedWithApplication()
{
    static std::vector<QPointer<QWidget>> windows;
    return windows;
}

std::function<void()> &closeHandler()
{
    static std::function<void()> h;
    return h;
}

} // namespace

Application::Application(int &argc, char **argv) : QApplication(argc, argv)
{
    InstallFontSubstitutions();
    // The runtime decides when the program ends: when its last window closes.
    setQuitOnLastWindowClosed(false);
    // Qt keeps every picture loaded from a file or resource in its pixmap
    // cache, 10 MB by default. Windows show a handful of pictures at a time
    // (a question's, the buttons'), which the cache shares with them; a
    // larger one fills up with the pictures of every question shown since
    // start, and the program grows with each examination taken.
    QPixmapCache::setCacheLimit(256); // KB
    InstallChineseTranslations();
    WatchFirstPaintFromEnvironment();
}

// The program speaks Chinese whatever the desktop's language: Qt's own
// buttons and dialogs (the print dialog, a dialog box's standard buttons)
// take their texts from Qt's Chinese translations.
void Application::InstallChineseTranslations()
{
    auto *translator = new QTranslator(this);
    if (translator->load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"),
                         QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(translator);
    else
        delete translator;
}

Application::~Application()
{
    for (const QPointer<QWidget> &window : destroyedWithApplication())
        delete window.data();
    destroyedWithApplication().clear();
}

bool Application::notify(QObject *receiver, QEvent *event)
{
    // Scripts run on the GUI thread only. Qt's own worker threads deliver
    // their events through here too; counted as scripts, they would race the
    // GUI thread's count of running scripts and hold up (or never run) what
    // waits for the scripts to return, such as freeing a closed window.
    if (QThread::currentThread() != thread())
        return QApplication::notify(receiver, event);
    if (event->type() == QEvent::KeyPress && receiver->isWidgetType()) {
        if (Window *window = FindWindow(static_cast<QWidget *>(receiver))) {
            const auto *key = static_cast<QKeyEvent *>(event);
            const KeyCode code = VirtualKeyCode(*key);
            if (PressDefaultOrCancel(*window, code))
                return true;
            const QPointer<QObject> alive(receiver);
            window->key.Trigger(code, KeyFlags(*key));
            if (!alive)
                return true;
        }
    }
    bool handled = false;
    RunScript({"", receiver->objectName().toStdString(), "notify"},
              [&] { handled = QApplication::notify(receiver, event); });
    return handled;
}

void Run()
{
    if (!OpenWindows().empty()) {
        QEventLoop loop;
        runLoop = &loop;
        loop.exec();
        runLoop = nullptr;
    }
    if (closeHandler())
        RunScript({"app", "app", "close"}, closeHandler());
}

void DestroyWithApplication(QWidget *window)
{
    auto &windows = destroyedWithApplication();
    std::erase_if(windows, [](const QPointer<QWidget> &gone) { return gone.isNull(); });
    windows.emplace_back(window);
}

void SetApplicationCloseHandler(std::function<void()> handler) { closeHandler() = std::move(handler); }

void HaltClose(int status)
{
    if (closeHandler())
        RunScript({"app", "app", "close"}, closeHandler());
    Halt(status);
}

namespace detail {
void LastWindowClosed()
{
    if (runLoop)
        runLoop->quit();
}
} // namespace detail

} // namespace runtime
