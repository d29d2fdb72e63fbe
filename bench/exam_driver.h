// What the benchmarks of the examination share: the way in through the class
// window, and the process's CPU clock.
#pragma once

#include "app/globals.h"
#include "exam/w_login_2012.h"
#include "exam/w_mnkz_2012.h"

#include "x11_keys.h"

#include <QCoreApplication>
#include <QTimer>

#include <ctime>

namespace bench {

// Opens the class window and, from inside the window's own loop, presses
// Enter there: "确定" takes the class the window offers (C1), builds a paper
// and opens the examination. Returns once the examination is painted.
inline void OpenExamination()
{
    QTimer::singleShot(0, [] { x11::Press(w_login_2012->widget(), x11::Return); });
    runtime::Open(w_login_2012);
    QCoreApplication::processEvents();
}

// Closes the examination window and frees it.
inline void CloseExamination()
{
    runtime::Close(w_mnkz_2012);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Presses the key in the window as the X server delivers it and returns once
// the window has painted what the key changed. Kept out of line, so that a
// profiler can single out what a key costs (valgrind --toggle-collect).
[[gnu::noinline]] inline void PressAndPaint(QWidget *window, const X11Key &key)
{
    x11::Press(window, key);
    QCoreApplication::processEvents();
}

// The questions of the paper that show a picture.
inline long PicturesOfPaper()
{
    long n = 0;
    sqlca.SelectInto("select count(*) from t_kzmn where trim(ifnull(pic,''))<>'' and picflag in ('0','1')", {}, n);
    return n;
}

// The CPU time the whole process (every thread) has spent since the clock
// was made.
class CpuClock {
public:
    CpuClock() : start_(now()) {}
    double Seconds() const { return now() - start_; }

private:
    static double now()
    {
        timespec t{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
    }
    double start_;
};

} // namespace bench
