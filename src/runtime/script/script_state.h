// The state of the running scripts, and the nested event loops they wait in.
//
// Scripts run one inside another: a script that triggers an event runs that
// event's script before it goes on, and a script that opens a response
// window or a message box, pops up a menu, pauses or waits for a page waits
// in a nested event loop, which delivers further scripts meanwhile. All that
// the runtime knows of this is kept here, and nowhere else:
//
//   depth    the scripts running now, one inside another; RunScript counts
//            each one from its start to its end (ScriptScope).
//   base     the depth of the script that waits in the innermost event
//            loop: 0 for the program's own loop, the opener's depth inside
//            a nested one. The scripts that loop delivers return to it.
//   pending  the controls whose widgets have yet to show or hide as the
//            scripts set them, in the order the scripts set them.
//   after    what waits for every script to have returned (the freeing of
//            a closed window).
//
// The rules it keeps:
//
//   1. base <= depth. A script runs above the innermost event loop
//      (ScriptRunning) exactly while depth > base.
//   2. Only such a script defers a control's showing or hiding; anywhere
//      else the widget follows at once. The pending ones follow as the last
//      script above the loop returns to it (depth falls back to base), and
//      before a nested loop starts, so the loop shows them as the script
//      left them. Once they have, pending is empty whenever depth == base.
//   3. after is empty whenever depth == 0: it runs as the outermost script
//      returns, and at once when asked for outside scripts.
//   4. Only RunNestedLoop changes base: it raises it to depth for the length
//      of the loop and sets it back after. So every nested event loop the
//      runtime starts (response windows, message boxes, Clock::Pause, pop-up
//      menus, the print dialog, mail's address dialog, the wait for a page)
//      runs through RunNestedLoop; a loop started any other way leaves the
//      scripts it delivers counted as running above the loop, and the
//      changes they make show only once the opener has returned.
#pragma once

#include <functional>

namespace runtime {

// Counts one script for as long as it runs: RunScript keeps one around every
// script. As it ends, the pending controls follow when the scripts have
// returned to their loop, and what waits for every script runs when none is
// left.
class ScriptScope {
public:
    ScriptScope();
    ~ScriptScope();
    ScriptScope(const ScriptScope &) = delete;
    ScriptScope &operator=(const ScriptScope &) = delete;

private:
    int outerLoopLevel_;
};

// Whether a script runs now above the innermost event loop: what it changes
// on the screen shows only once it returns to that loop.
bool ScriptRunning();

// Runs fn once no script is running: at once outside scripts, otherwise when
// the outermost script has returned. A window closed from a response window
// that one of its own scripts waits on is freed this way, only after that
// script has finished with it.
void WhenScriptsHaveReturned(std::function<void()> fn);

// Runs loop, which runs a nested event loop and returns once it has ended (a
// dialog's or a menu's exec(), a QEventLoop's exec()). What the waiting
// script changed shows first, and the scripts the loop delivers return to
// it: their changes show as each returns.
void RunNestedLoop(const std::function<void()> &loop);

// A control whose widget follows its visibility only once the scripts have
// returned to their loop (Control is one).
class DeferredVisibility {
public:
    DeferredVisibility(const DeferredVisibility &) = delete;
    DeferredVisibility &operator=(const DeferredVisibility &) = delete;

protected:
    DeferredVisibility() = default;
    ~DeferredVisibility();
    // Joins the pending controls, behind those already there; once only.
    void DeferVisibility();
    // Leaves them again, without following: a control about to go.
    void WithdrawVisibility();
    // Shows or hides the widget as the scripts last set it.
    virtual void ApplyVisibility() = 0;

private:
    friend void ShowPendingVisibility();
    bool pending_ = false;
};

// Makes the pending controls follow now, in order: before the focus moves or
// a window takes its first focus and shows, the widgets stand as the scripts
// left them.
void ShowPendingVisibility();

// Runs seen whenever a script arrives from a nested event loop that a
// running script started without RunNestedLoop (rule 4 broken). The tests
// fail on it; the program sets nothing, and nothing happens.
void SetUnguardedLoopHandler(std::function<void()> seen);

} // namespace runtime
