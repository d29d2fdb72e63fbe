// The trainer as the learner runs it (the same start as the program's own
// main: the frame, its start-up page fetch, the bank beside the program),
// with a learner inside it who takes examinations by the keyboard and tells
// on standard output what the process spent. The benchmarks start it on a
// real window system (xcb on Xvfb), so that everything the program pays for
// there is paid here too: the frame behind the examination, every frame
// handed to the X server, the xcb event thread.
//
//   trainer_probe keys      one examination, fresh after start-up, stepped
//                           through with key 7 from question 1 to 100, then
//                           key "a" (which the window ignores) as often:
//                           "key7_us=…", "idle_key_us=…", the CPU time of
//                           the process per key up to the painted window
//   trainer_probe serverkeys the same as a learner presses the keys: each
//                           after a pause of 50 ms with the process at rest,
//                           pressed and released through the X server (XTest),
//                           which delivers it to the focused window, Qt's xcb
//                           thread reading it and waking the main thread;
//                           "server_key7_us=…", "server_idle_key_us=…", the CPU
//                           time of the process from the key's press to the
//                           window painted after its release
//   trainer_probe exams N   N examinations in a row, each answered right
//                           question by question (the right digits, then 7),
//                           handed in (the keypad's +, "确认交卷") and its
//                           result window closed: "rss_after_K=…" (MiB, from
//                           smaps_rollup) once the result window has closed
//                           after examinations 1, 2, 10 and N, and
//                           "anon_after_K=…", the part of it that is the
//                           process's own (neither file nor shared); "peak=…"
//                           (VmHWM: the most the process held since it
//                           started, start-up included, as the kernel keeps
//                           it: to within its per-processor counts), and
//                           "peak_sampled=…", the most smaps_rollup showed
//                           after any question or window of them
//
// Apart from serverkeys, keys and clicks enter Qt through its window-system
// interface, as the xcb platform hands over what the X server delivers.
#include "exam/w_jj.h"
#include "exam/w_jj_enter.h"
#include "exam/w_mnkz_2012.h"
#include "start/app.h"
#include "exam_driver.h"
#include "runtime/ui/application.h"
#include "event_counter.h"
#include "x11_keys.h"

#include <QGuiApplication>
#include <QThread>
#include <QTimer>
#include <QWindow>
#include <qpa/qwindowsysteminterface.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>

#include <xcb/xcb.h>
#include <xcb/xtest.h>

using namespace runtime;

namespace {

// A field of a /proc/self file ("Rss", "VmHWM") in MiB.
double procMebibytes(const char *file, const std::string &field)
{
    std::ifstream in(file);
    std::string line;
    while (std::getline(in, line))
        if (line.rfind(field + ":", 0) == 0)
            return std::stod(line.substr(field.size() + 1)) / 1024.0;
    return 0;
}

// The most the process held at any sample so far.
double mostResident = 0;

// The resident size now, exactly (smaps_rollup).
double residentMebibytes()
{
    const double now = procMebibytes("/proc/self/smaps_rollup", "Rss");
    mostResident = std::max(mostResident, now);
    return now;
}

// Runs fn from the event loop, after what is waiting there (the paint of the
// last key among it): the learner's next action. What the process holds is
// sampled on the way.
void then(std::function<void()> fn)
{
    QTimer::singleShot(0, [fn = std::move(fn)] {
        residentMebibytes();
        fn();
    });
}

void press(Window &window, const X11Key &key) { x11::Press(window.widget(), key); }

// A left click in the middle of a control, pressed and released there.
void click(QWidget *widget)
{
    QWindow *window = widget->window()->windowHandle();
    const QPointF at = widget->mapTo(widget->window(), widget->rect().center());
    const QPointF global = widget->mapToGlobal(widget->rect().center());
    QWindowSystemInterface::handleMouseEvent(window, at, global, Qt::NoButton, Qt::NoButton, QEvent::MouseMove);
    QWindowSystemInterface::handleMouseEvent(window, at, global, Qt::LeftButton, Qt::LeftButton,
                                             QEvent::MouseButtonPress);
    QWindowSystemInterface::handleMouseEvent(window, at, global, Qt::NoButton, Qt::LeftButton,
                                             QEvent::MouseButtonRelease);
    QWindowSystemInterface::flushWindowSystemEvents();
}

// The class window opened as the menu opens it and Enter pressed there; then
// done runs, in the examination.
void openExamination(std::function<void()> done)
{
    then([done] {
        bench::OpenExamination();
        then(done);
    });
}

// Answers question row right (its digits, then 7) and the rest after it;
// then hands the paper in, closes the result and runs done.
void answerFrom(long row, std::function<void()> done)
{
    class w_mnkz_2012 &exam = *w_mnkz_2012;
    if (row > exam.dw_2->RowCount()) {
        press(exam, x11::KpAdd);
        then([done] {
            click(w_jj_enter->cb_2.widget()); // "确认交卷"
            then([done] {
                click(w_jj->cb_2.widget()); // "关闭"
                then([done] { then(done); });
            });
        });
        return;
    }
    for (char digit : std::string(ToUtf8(exam.dw_2->GetItemString(row, "answer"))))
        press(exam, x11::Digit(digit - '0'));
    press(exam, x11::Digit(7));
    then([row, done] { answerFrom(row + 1, done); });
}

void takeExams(int n, int of)
{
    openExamination([n, of] {
        answerFrom(1, [n, of] {
            const double resident = residentMebibytes();
            if (n == 1 || n == 2 || n == 10 || n == of)
                std::printf("rss_after_%d=%.2f\nanon_after_%d=%.2f\n", n, resident, n,
                            procMebibytes("/proc/self/smaps_rollup", "Anonymous"));
            if (n < of) {
                takeExams(n + 1, of);
                return;
            }
            std::printf("peak=%.2f\npeak_sampled=%.2f\n", procMebibytes("/proc/self/status", "VmHWM"), mostResident);
            std::fflush(stdout);
            QCoreApplication::exit(0);
        });
    });
}

// The CPU time per key, a key at a time, each up to its painted window.
double microsecondsPerKey(const X11Key &key, int times)
{
    const bench::CpuClock clock;
    for (int i = 0; i < times; ++i)
        bench::PressAndPaint(w_mnkz_2012->widget(), key);
    return clock.Seconds() * 1e6 / times;
}

// The same as a learner presses the keys: each after a pause, through the X
// server. A key after a pause finds the process's caches cold and its
// threads asleep, which a key right after another does not; the time counts
// from the press to the window painted after the release, not the pause.
double microsecondsPerServerKey(const X11Key &key, int times)
{
    auto *x11App = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t *connection = x11App ? x11App->connection() : nullptr;
    if (!connection)
        return -1;
    EventCounter releases{QEvent::KeyRelease};
    w_mnkz_2012->widget()->window()->windowHandle()->installEventFilter(&releases);
    const auto keycode = static_cast<uint8_t>(key.keycode);
    double seconds = 0;
    for (int i = 0; i < times; ++i) {
        QThread::msleep(50);
        const bench::CpuClock clock;
        xcb_test_fake_input(connection, XCB_KEY_PRESS, keycode, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
        xcb_test_fake_input(connection, XCB_KEY_RELEASE, keycode, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
        xcb_flush(connection);
        while (releases.count <= i)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        QCoreApplication::processEvents(); // the paint the key asked for
        seconds += clock.Seconds();
    }
    w_mnkz_2012->widget()->window()->windowHandle()->removeEventFilter(&releases);
    return seconds * 1e6 / times;
}

void stepWithServerKeys()
{
    openExamination([] {
        // The window the examination opened has the keyboard's focus.
        w_mnkz_2012->widget()->window()->windowHandle()->requestActivate();
        QCoreApplication::processEvents();
        const int steps = static_cast<int>(w_mnkz_2012->dw_2->RowCount()) - 1;
        const double seven = microsecondsPerServerKey(x11::Digit(7), steps);
        const double idle = microsecondsPerServerKey(x11::LetterA, steps);
        std::printf("server_key7_us=%.1f\nserver_idle_key_us=%.1f\npictures=%ld\n", seven, idle,
                    bench::PicturesOfPaper());
        std::fflush(stdout);
        QCoreApplication::exit(0);
    });
}

void stepWithKeys()
{
    openExamination([] {
        const int steps = static_cast<int>(w_mnkz_2012->dw_2->RowCount()) - 1;
        const double seven = microsecondsPerKey(x11::Digit(7), steps);
        const double idle = microsecondsPerKey(x11::LetterA, steps);
        std::printf("key7_us=%.1f\nidle_key_us=%.1f\npictures=%ld\n", seven, idle, bench::PicturesOfPaper());
        std::fflush(stdout);
        QCoreApplication::exit(0);
    });
}

} // namespace

int main(int argc, char **argv)
{
    runtime::Application qapp(argc, argv);
    if (!StartTrainer())
        return 1;
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "keys")
        stepWithKeys();
    else if (mode == "serverkeys")
        stepWithServerKeys();
    else if (mode == "exams")
        takeExams(1, argc > 2 ? std::max(1, std::atoi(argv[2])) : 30);
    else
        return 2;
    runtime::Run();
    return 0;
}
