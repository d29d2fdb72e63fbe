#include "runtime/ui/systemerror.h"

#include "runtime/error.h"
#include "runtime/ui/messagebox.h"

#include <exception>
#include <vector>

namespace runtime {

ErrorObject error;

namespace {

SystemErrorHandler &handler()
{
    static SystemErrorHandler h;
    return h;
}

// A failure inside the systemerror event itself must not loop back into it.
bool inSystemError = false;

// Scripts running now, nested; and what waits for them all to return.
int scriptDepth = 0;
std::vector<std::function<void()>> &afterScripts()
{
    static std::vector<std::function<void()>> pending;
    return pending;
}

void scriptsReturned()
{
    while (!afterScripts().empty()) {
        auto pending = std::move(afterScripts());
        afterScripts().clear();
        for (auto &fn : pending)
            fn();
    }
}

struct ScriptDepth {
    ScriptDepth() { ++scriptDepth; }
    ~ScriptDepth()
    {
        if (--scriptDepth == 0)
            scriptsReturned();
    }
};

void raiseSystemError(const ScriptSite &site, int number, const String &text, int line)
{
    error = {number, text, site.windowMenu, site.object, site.event, line};
    if (inSystemError) {
        ShowSystemErrorBox();
        return;
    }
    inSystemError = true;
    try {
        if (handler())
            handler()();
        else
            ShowSystemErrorBox();
    } catch (...) {
        ShowSystemErrorBox();
    }
    inSystemError = false;
}

} // namespace

bool RunScript(const ScriptSite &site, const std::function<void()> &script)
{
    const ScriptDepth depth;
    try {
        script();
        return true;
    } catch (const RuntimeError &e) {
        // The program line that did what is forbidden; for a failure found
        // deep in the runtime, the line of the script that was running.
        raiseSystemError(site, e.number(), e.text(),
                         InProgramCode(e.where()) ? static_cast<int>(e.where().line()) : site.line);
    } catch (const std::exception &e) {
        // A failure inside a library the script called (the C++ library, Qt,
        // the database driver): reported as a failed call of an outside
        // function, with what the library said. Number 0 would mean "nothing
        // to report" to the program's handler.
        raiseSystemError(site, static_cast<int>(ErrorNumber::ExternalFunctionFailed),
                         ErrorText(ErrorNumber::ExternalFunctionFailed) + ": " + FromUtf8(e.what()), site.line);
    } catch (...) {
        raiseSystemError(site, static_cast<int>(ErrorNumber::ExternalFunctionFailed),
                         ErrorText(ErrorNumber::ExternalFunctionFailed) + ": unknown exception", site.line);
    }
    return false;
}

void WhenScriptsHaveReturned(std::function<void()> fn)
{
    if (scriptDepth == 0)
        fn();
    else
        afterScripts().push_back(std::move(fn));
}

void SetSystemErrorHandler(SystemErrorHandler h) { handler() = std::move(h); }

void ShowSystemErrorBox()
{
    MessageBox("System Error",
               "Error Number: " + String(error.Number) + "\r\nError Text: " + error.Text +
                   "\r\nWindow/Menu: " + error.WindowMenu + "\r\nObject: " + error.Object +
                   "\r\nEvent: " + error.ObjectEvent + "\r\nLine: " + String(error.Line),
               Icon::StopSign);
}

} // namespace runtime
