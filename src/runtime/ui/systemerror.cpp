#include "runtime/ui/systemerror.h"

#include "runtime/error.h"
#include "runtime/ui/messagebox.h"

#include <exception>

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
    try {
        script();
        return true;
    } catch (const RuntimeError &e) {
        raiseSystemError(site, e.number(), e.text(), e.line());
    } catch (const std::exception &e) {
        raiseSystemError(site, 0, FromUtf8(e.what()), 0);
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
