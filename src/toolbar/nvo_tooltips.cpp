#include "toolbar/nvo_tooltips.h"

#include "runtime/win32/capture.h"
#include "runtime/ui/units.h"

using namespace runtime;

namespace {

// The tip text travels in a block of this many bytes, its closing zero
// included.
constexpr int kTipBlock = 80;

} // namespace

int nvo_tooltips::addtool(Control &object, const String &tiptext, int)
{
    const int uid = static_cast<int>(toolid);
    toolid = toolid + 1;
    const QRect rect(0, 0, UnitsToPixelsX(object.Width()), UnitsToPixelsY(object.Height()));
    if (!hwndtt.AddTool(object.widget(), uid, rect, LeftWhole(tiptext, kTipBlock - 1)))
        return -1;
    return uid;
}

void nvo_tooltips::relaymsg(Control &object)
{
    // The move is the one being handled: the pointer is where it says.
    Point pt;
    GetCursorPos(pt);
    ScreenToClient(Handle(object), pt);
    hwndtt.RelayMouseMove(object.widget(), QPoint(int(pt.x), int(pt.y)));
}
