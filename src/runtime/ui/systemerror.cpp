#include "runtime/ui/systemerror.h"

#include "runtime/script/error.h"
#include "runtime/script/script_state.h"
#include "runtime/ui/messagebox.h"

#include <exception>
#include <string>
#include <string_view>

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

// A function as the compiler names it ("String f_ts(const String&, ...)",
// "void w_x::f_display(int)", "w_x::w_x()::<lambda()>"): its class, empty for
// none, and its own name; a lambda counts as the function it is written in.
struct FunctionName {
    std::string owner, name;
};

FunctionName NameOf(std::string_view full)
{
    if (const size_t lambda = full.find("::<lambda"); lambda != std::string_view::npos)
        full = full.substr(0, lambda);
    full = full.substr(0, full.find('('));
    if (const size_t space = full.rfind(' '); space != std::string_view::npos)
        full = full.substr(space + 1);
    FunctionName f;
    const size_t scope = full.rfind("::");
    f.name = std::string(scope == std::string_view::npos ? full : full.substr(scope + 2));
    if (scope != std::string_view::npos) {
        std::string_view owner = full.substr(0, scope);
        if (const size_t outer = owner.rfind("::"); outer != std::string_view::npos)
            owner = owner.substr(outer + 2);
        if (owner.find('{') == std::string_view::npos) // not an anonymous namespace
            f.owner = std::string(owner);
    }
    return f;
}

// A function's name and parameters without what the compiler writes before
// them ("virtual void w_x::f(int) const" gives "w_x::f(int) const").
std::string_view Signature(std::string_view function)
{
    const size_t open = function.find('(');
    if (open == std::string_view::npos)
        return function;
    const size_t space = function.rfind(' ', open);
    return space == std::string_view::npos ? function : function.substr(space + 1);
}

// Whether the place lies in the script's own body: the lambda written where
// the script was set, or a lambda inside it. A script whose place is not
// known counts as holding every line.
bool InScript(const ScriptSite &site, const std::source_location &raised)
{
    if (site.where.line() == 0)
        return true;
    if (std::string_view(site.where.file_name()) != raised.file_name())
        return false;
    const std::string_view function = raised.function_name();
    const size_t lambda = function.find("::<lambda");
    return lambda != std::string_view::npos &&
           Signature(function.substr(0, lambda)) == Signature(site.where.function_name());
}

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
    const ScriptScope scope;
    try {
        script();
        return true;
    } catch (const RuntimeError &e) {
        // The program line that did what is forbidden, under the name of the
        // script or, outside the script's own body, of the function it lies
        // in; for a failure found deep in the runtime, the line of the script
        // that was running.
        if (!InProgramCode(e.where())) {
            raiseSystemError(site, e.number(), e.text(), static_cast<int>(site.where.line()));
        } else if (InScript(site, e.where())) {
            raiseSystemError(site, e.number(), e.text(), static_cast<int>(e.where().line()));
        } else {
            const FunctionName f = NameOf(e.where().function_name());
            const String name = FromUtf8(f.name);
            const ScriptSite called{site.windowMenu, f.owner.empty() ? name : FromUtf8(f.owner), name};
            raiseSystemError(called, e.number(), e.text(), static_cast<int>(e.where().line()));
        }
    } catch (const std::exception &e) {
        // A failure inside a library the script called (the C++ library, Qt,
        // the database driver): reported as a failed call of an outside
        // function, with what the library said. Number 0 would mean "nothing
        // to report" to the program's handler.
        raiseSystemError(site, static_cast<int>(ErrorNumber::ExternalFunctionFailed),
                         ErrorText(ErrorNumber::ExternalFunctionFailed) + ": " + FromUtf8(e.what()),
                         static_cast<int>(site.where.line()));
    } catch (...) {
        raiseSystemError(site, static_cast<int>(ErrorNumber::ExternalFunctionFailed),
                         ErrorText(ErrorNumber::ExternalFunctionFailed) + ": unknown exception",
                         static_cast<int>(site.where.line()));
    }
    return false;
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
