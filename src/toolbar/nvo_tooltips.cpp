#include "toolbar/nvo_tooltips.h"

#include "runtime/draw/units.h"
#include "runtime/win32/capture.h"

using namespace runtime;

namespace {

// The tip text travels in a block of this many bytes, its closing zero
// included: addtool's, and settiptext's.
constexpr long kToolTextBlock = 80;
constexpr long kTipTextBlock = 255;

} // namespace

nvo_tooltips::nvo_tooltips() { hwndtt = CreateToolTipWindow(); }

nvo_tooltips::~nvo_tooltips() { DestroyToolTipWindow(hwndtt); }

void nvo_tooltips::relaymsg(Control &object)
{
    // The move is the one being handled: the pointer is where it says.
    Point pt;
    GetCursorPos(pt);
    ScreenToClient(Handle(object), pt);
    RelayMouseMove(hwndtt, Handle(object), pt);
}

void nvo_tooltips::setfont(long hfont) { SetToolTipFont(hwndtt, GdiObject(hfont)); }

void nvo_tooltips::settipposition(int x, int y) { TrackPosition(hwndtt, Point{x, y}); }

void nvo_tooltips::settiptext(Control &object, long uid, const char *tiptext)
{
    UpdateTipText(hwndtt, Handle(object), uid, tiptext ? String(tiptext) : String());
}

void nvo_tooltips::settiptext(Control &object, long uid, const String &tiptext)
{
    const String block = LeftWhole(tiptext, kTipTextBlock - 1);
    settiptext(object, uid, block.c_str());
}

void nvo_tooltips::settrack(Control &object, int uid, std::optional<bool> status)
{
    TrackActivate(hwndtt, Handle(object), uid, status.value_or(false));
}

void nvo_tooltips::updatetiprect(Control &object, long uid, long left, long top, long right, long bottom)
{
    NewToolRect(hwndtt, Handle(object), uid, Rect{left, top, right, bottom});
}

int nvo_tooltips::addtool(Control &object, const String &tiptext, int flags)
{
    ToolInfo ti;
    ti.flags = flags;
    ti.window = Handle(object);
    ti.id = toolid;
    toolid = toolid + 1;
    ti.text = LeftWhole(tiptext, kToolTextBlock - 1);
    ti.rect = Rect{0, 0, UnitsToPixelsX(object.Width()), UnitsToPixelsY(object.Height())};
    if (!AddTool(hwndtt, ti))
        return -1;
    return static_cast<int>(toolid - 1);
}
