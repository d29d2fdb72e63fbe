// Run-time errors of event scripts and the application's systemerror route.
//
// Every event script runs through RunScript, which counts it among the
// running scripts (runtime/script/script_state.h). A RuntimeError (or any
// other exception) thrown inside it ends that script, fills the error object
// and raises the application's systemerror event; the program goes on.
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

// The application's systemerror event. Without a handler the error is shown
// in a plain message box.
using SystemErrorHandler = std::function<void()>;
void SetSystemErrorHandler(SystemErrorHandler handler);

// Shows the error object in a plain message box.
void ShowSystemErrorBox();

} // namespace runtime
