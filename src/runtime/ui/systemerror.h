// Run-time errors of event scripts and the application's systemerror route.
//
// Every event script runs through RunScript. A RuntimeError (or any other
// exception) thrown inside it ends that script, fills the error object and
// raises the application's systemerror event; the program goes on.
#pragma once

#include "runtime/text/text.h"

#include <functional>
#include <source_location>

namespace runtime {

// The last run-time error, as the error report reads it.
struct ErrorObject {
    int Number = 0;
    String Text;
    String WindowMenu;  // the window or menu whose script failed
    String Object;      // the control or item, or the window itself
    String ObjectEvent; // the event
    int Line = 0;
};
extern ErrorObject error;

// Where a script runs, and the place in the program where it is written
// (line 0 when unknown).
struct ScriptSite {
    String windowMenu;
    String object;
    String event;
    std::source_location where{};
};

// Runs the script; returns false when it ended in a run-time error. The
// error names the script and the program's line that failed; when that line
// lies in a function the script called rather than in the script itself, the
// error names that function instead (its class as the object, or the
// function itself when it belongs to none), so that the line belongs to what
// the error names.
bool RunScript(const ScriptSite &site, const std::function<void()> &script);

// Runs fn once no script is running: at once outside scripts, otherwise when
// the outermost script has returned. A window closed from a response window
// that one of its own scripts waits on is freed this way, only after that
// script has finished with it.
void WhenScriptsHaveReturned(std::function<void()> fn);

// Whether a script runs now above the innermost event loop: what it changes
// on the screen shows only once it returns to that loop.
bool ScriptRunning();

// Runs fn whenever the running scripts have returned to the event loop that
// delivered them (the program's own, or a nested one); one function, set by
// the runtime.
void SetScriptsReturnedToLoopHook(void (*fn)());

// Kept around a nested event loop (a response window, a message box, a
// pause): the scripts that loop delivers return to it, and what the script
// that opened it changed shows first.
class NestedEventLoop {
public:
    NestedEventLoop();
    ~NestedEventLoop();
    NestedEventLoop(const NestedEventLoop &) = delete;
    NestedEventLoop &operator=(const NestedEventLoop &) = delete;

private:
    int outerBase_;
};

// The application's systemerror event. Without a handler the error is shown
// in a plain message box.
using SystemErrorHandler = std::function<void()>;
void SetSystemErrorHandler(SystemErrorHandler handler);

// Shows the error object in a plain message box.
void ShowSystemErrorBox();

} // namespace runtime
