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
//   trainer_probe exams N   N examinations in a row, each stepped through
//                           with key 7 from question 1 to 100, handed in
//                           unanswered (the keypad's +, "确认交卷"), so that
//                           its result window lists 100 wrong answers, and
//                           that window closed: "rss_after_K=…" (MiB, from
//                           smaps_rollup) once the result window has closed
//                           after examinations 1, 2, 10 and N, and
//                           "anon_after_K=…", the part of it that is the
//                           process's own (neither file nor shared); "peak=…"
//                           (VmHWM: the most the process held since it
//                           started, start-up included, as the kernel keeps
//                           it: to within its per-processor counts), and
//                           "peak_sampled=…", the most smaps_rollup showed
//                           after any question or window of them
//   trainer_probe windows N N examinations in a row, each opened through the
//                           class window and handed in at once, unanswered
//                           (so that its result window lists 100 wrong
//                           answers), and its result window closed. From
//                           the class window's opening (as the menu opens
//                           it) to its paint: "open_class_ms=…" (wall
//                           clock), "open_class_cpu_ms=…" (CPU time of the
//                           process) and "open_class_faults=…" (minor page
//                           faults: pages touched afresh); from Enter there
//                           to the painted examination: "open_exam_…"; from
//                           "确认交卷" in the painted hand-in prompt to the
//                           painted result window: "result_…". Each for the
//                           first examination after start-up, and as
//                           "…_again_…" the median of the others
//
// Apart from serverkeys, keys and clicks enter Qt through its window-system
// interface, as the xcb platform hands over what the X server delivers.
#include "exam/w_jj.h"
#include "exam/w_jj_enter.h"
#include "exam/w_login_2012.h"
#include "exam/w_mnkz_2012.h"
#include "start/app.h"
#include "exam_driver.h"
#include "runtime/heap.h"
#include "runtime/ui/application.h"
#include "event_counter.h"
#include "x11_keys.h"

#include <QElapsedTimer>
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
#include <set>
#include <string>
#include <vector>

#include <sys/resource.h>
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

// Notes the widgets painted since it started watching (a widget counts as
// painted when it or a widget inside it paints), so that a measure can wait
// for a window that is still to open.
class PaintWatch : public QObject {
public:
    void Start()
    {
        painted_.clear();
        qApp->installEventFilter(this);
    }
    // Runs the event loop until the widget that window() gives has painted,
    // and stops watching.
    void WaitFor(const std::function<QWidget *()> &window)
    {
        while (!window() || !painted_.contains(window()))
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        qApp->removeEventFilter(this);
    }

protected:
    bool eventFilter(QObject *object, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && object->isWidgetType())
            for (auto *w = static_cast<QWidget *>(object); w; w = w->parentWidget())
                painted_.insert(w);
        return false;
    }

private:
    std::set<QObject *> painted_;
};

PaintWatch &paints()
{
    static auto *watch = new PaintWatch;
    return *watch;
}

template <class W> std::function<QWidget *()> windowOf(GlobalWindow<W> &window)
{
    return [&window]() -> QWidget * { return window.IsValid() ? window->widget() : nullptr; };
}

// The minor page faults of the process so far: each a page the process
// touched for the first time since it was mapped, or since the C library
// gave it back.
long minorFaults()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_minflt;
}

// What the process spent: milliseconds of wall clock and of CPU, and page
// faults.
struct Span {
    double wall, cpu, faults;
};

// What the process spends from the meter's making to Taken().
class Meter {
public:
    Meter() : faults_(minorFaults()) { wall_.start(); }
    Span Taken() const
    {
        return {static_cast<double>(wall_.nsecsElapsed()) * 1e-6, cpu_.Seconds() * 1e3,
                static_cast<double>(minorFaults() - faults_)};
    }

private:
    QElapsedTimer wall_;
    bench::CpuClock cpu_;
    long faults_;
};

// Runs act and waits until the window after() gives has painted: what that
// cost.
Span costToPainted(const std::function<void()> &act, const std::function<QWidget *()> &after)
{
    paints().Start();
    const Meter meter;
    act();
    paints().WaitFor(after);
    return meter.Taken();
}

// One for each examination: from the class window's opening to its paint,
// from Enter there to the painted examination, and from "确认交卷" to the
// painted result window.
std::vector<Span> classOpenings, examOpenings, resultOpenings;

// The class window opened as the menu opens it and, once it has painted,
// Enter pressed there: "确定" takes the class the window offers (C1),
// builds a paper and opens the examination. Once that has painted, done
// runs.
void openExamination(std::function<void()> done)
{
    then([done] {
        paints().Start();
        const Meter meter;
        QTimer::singleShot(0, [meter] { // in the class window's own loop
            paints().WaitFor(windowOf(w_login_2012));
            classOpenings.push_back(meter.Taken());
            examOpenings.push_back(costToPainted([] { x11::Press(w_login_2012->widget(), x11::Return); },
                                                 windowOf(w_mnkz_2012)));
        });
        Open(w_login_2012);
        then(done);
    });
}

// Hands the paper in: the keypad's +, and "确认交卷" once the prompt has
// painted; then closes the result window once it has painted ("关闭") and
// runs done.
void handIn(std::function<void()> done)
{
    paints().Start();
    press(*w_mnkz_2012, x11::KpAdd);
    then([done] {
        paints().WaitFor(windowOf(w_jj_enter));
        resultOpenings.push_back(costToPainted([] { click(w_jj_enter->cb_2.widget()); }, windowOf(w_jj)));
        then([done] {
            click(w_jj->cb_2.widget()); // "关闭"
            then([done] { then(done); });
        });
    });
}

// Steps from question row to the last with key 7, leaving each unanswered;
// then hands the paper in and runs done once its result has closed.
void stepFrom(long row, std::function<void()> done)
{
    class w_mnkz_2012 &exam = *w_mnkz_2012;
    if (row > exam.dw_2->RowCount()) {
        handIn(std::move(done));
        return;
    }
    press(exam, x11::Digit(7));
    then([row, done] { stepFrom(row + 1, done); });
}

void takeExams(int n, int of)
{
    openExamination([n, of] {
        stepFrom(1, [n, of] {
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


// The median of the spans after the first.
Span medianAgain(std::vector<Span> spans)
{
    if (spans.size() < 2)
        return {0, 0, 0};
    spans.erase(spans.begin());
    auto median = [&](double Span::*field) {
        std::vector<double> values;
        for (const Span &s : spans)
            values.push_back(s.*field);
        std::sort(values.begin(), values.end());
        const size_t n = values.size();
        return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
    };
    return {median(&Span::wall), median(&Span::cpu), median(&Span::faults)};
}

void printSpans(const char *name, const std::vector<Span> &spans)
{
    const Span again = medianAgain(spans);
    std::printf("%s_ms=%.2f\n%s_cpu_ms=%.2f\n%s_faults=%.0f\n", name, spans[0].wall, name, spans[0].cpu, name,
                spans[0].faults);
    std::printf("%s_again_ms=%.2f\n%s_again_cpu_ms=%.2f\n%s_again_faults=%.0f\n", name, again.wall, name, again.cpu,
                name, again.faults);
}

void openAndHandIn(int n, int of)
{
    openExamination([n, of] {
        handIn([n, of] {
            if (n < of) {
                openAndHandIn(n + 1, of);
                return;
            }
            printSpans("open_class", classOpenings);
            printSpans("open_exam", examOpenings);
            printSpans("result", resultOpenings);
            std::fflush(stdout);
            QCoreApplication::exit(0);
        });
    });
}

} // namespace

int main(int argc, char **argv)
{
    runtime::ReturnFreedMemoryToSystem(); // as the program's main does
    runtime::Application qapp(argc, argv);
    if (!StartTrainer())
        return 1;
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "keys")
        stepWithKeys();
    else if (mode == "serverkeys")
        stepWithServerKeys();
    else if (mode == "windows")
        openAndHandIn(1, argc > 2 ? std::max(1, std::atoi(argv[2])) : 5);
    else if (mode == "exams")
        takeExams(1, argc > 2 ? std::max(1, std::atoi(argv[2])) : 30);
    else
        return 2;
    runtime::Run();
    return 0;
}
