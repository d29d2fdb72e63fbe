// The tooltip window, as the operating system's common controls offer it.
//
// A tooltip window holds tools: rectangles of other windows, each with a tip
// text. It learns of the pointer only through the mouse moves relayed to it.
// When the pointer comes to rest over a tool, the tip shows after the initial
// delay, just below the pointer; while a tip has been showing lately, the tip
// of the next tool follows after the shorter reshow delay. The tip hides when
// the pointer leaves the tool (the window looks where the pointer is every
// reshow delay while a tip shows), on any mouse press of the program, and
// when the pointer has rested for the autopop time; then it stays hidden
// until the pointer enters another tool. Of several tools under the pointer
// in one window, the latest registered counts; a tool without text shows no
// tip.
//
// A tracking tip is shown and hidden by the program: once its tool is
// activated, it shows at once at the tracking position and stays, whatever
// the pointer does, until it is deactivated.
//
// Times run on the runtime's clock (CurrentClock), so tests step them.
#pragma once

#include "runtime/text/text.h"
#include "runtime/ui/clock.h"
#include "runtime/win32/capture.h"
#include "runtime/win32/gdi.h"

namespace runtime {

inline constexpr Milliseconds kToolTipInitialDelay{500};
inline constexpr Milliseconds kToolTipReshowDelay{100};
inline constexpr Milliseconds kToolTipAutoPop{5000};
// How far below the pointer a tip shows.
inline constexpr int kToolTipBelowPointer = 20;

// The tool flag of a tool that the pointer does not show: it shows only while
// tracking is activated for it. The other flags a tool may carry are kept and
// change nothing here.
inline constexpr long kToolTrack = 32;

struct ToolInfo {
    WindowHandle window = 0; // the window the tool lies in
    long id = 0;             // tells the tools of one window apart
    Rect rect;               // in pixels of the window's client area; right and bottom outside
    String text;
    long flags = 0;
};

// Makes a tooltip window, with no tools and nothing shown; 0 when none can be
// made (there is no application to show it).
WindowHandle CreateToolTipWindow();
// Destroys a tooltip window with its tools; false for a handle that is no
// tooltip window.
bool DestroyToolTipWindow(WindowHandle tooltips);

// Registers a tool. False, and nothing registered, when tooltips is no
// tooltip window or the tool's window is no window.
bool AddTool(WindowHandle tooltips, const ToolInfo &tool);
// A mouse move at pos, in pixels of the client area of window.
void RelayMouseMove(WindowHandle tooltips, WindowHandle window, Point pos);

// These act on the tool registered under window and id and do nothing when
// there is none. A tip on show changes at once.
void UpdateTipText(WindowHandle tooltips, WindowHandle window, long id, const String &text);
void NewToolRect(WindowHandle tooltips, WindowHandle window, long id, const Rect &rect);
// Turns tracking on for the tool (its tip shows at once, in place of any
// other) or off (whichever tool is tracked, its tip hides).
void TrackActivate(WindowHandle tooltips, WindowHandle window, long id, bool on);

// Where a tracking tip shows: its top left corner, in screen pixels. A
// tracking tip on show moves there at once.
void TrackPosition(WindowHandle tooltips, Point screen);
// The font of the tips; a handle that is no font restores the usual one.
void SetToolTipFont(WindowHandle tooltips, GdiObject font);

} // namespace runtime
