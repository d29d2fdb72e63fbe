// Drawing straight onto windows, outside their own painting, as the
// operating system's device contexts allow: a device context of a window
// draws onto the screen over it; a memory device context draws into a bitmap.
//
// What is drawn onto a window stays on the screen over it until the control
// is redrawn (Control::SetRedraw(true)) or the drawing is cleared
// (runtime/ui/screen_drawing.h). Every device context and bitmap obtained must be given
// back: ReleaseDC for those of windows, DeleteDC and DeleteObject for the
// others.
#pragma once

#include "runtime/text/text.h"
#include "runtime/win32/handles.h"

namespace runtime {

using DeviceContext = unsigned long; // 0: none
using GdiObject = unsigned long;     // a bitmap or a font; 0: none

struct Rect {
    long left = 0, top = 0, right = 0, bottom = 0;
};

// Device contexts of the client area, and of the whole window (the same here:
// our windows draw no frame of their own).
DeviceContext GetDC(WindowHandle hwnd);
DeviceContext GetWindowDC(WindowHandle hwnd);
// Puts what was drawn on the screen and gives the context back: 1, or 0 when
// hdc is no context of hwnd.
int ReleaseDC(WindowHandle hwnd, DeviceContext hdc);

// A context of the whole display, the reference for memory contexts; what is
// drawn onto it shows nowhere. 0 when there is no screen.
DeviceContext CreateDisplayDC();
DeviceContext CreateCompatibleDC(DeviceContext hdc);
GdiObject CreateCompatibleBitmap(DeviceContext hdc, int width, int height);
bool DeleteDC(DeviceContext hdc);
bool DeleteObject(GdiObject object);

// Selects a font, pen, brush or bitmap (a bitmap into a memory context only)
// and returns the one of the same kind selected before; 0 when it fails.
GdiObject SelectObject(DeviceContext hdc, GdiObject object);
// The font a window draws its text in.
GdiObject GetWindowFont(WindowHandle hwnd);

// The objects every program shares; never deleted.
enum class StockObject { WhiteBrush = 0, LightGrayBrush = 1, WhitePen = 6, BlackPen = 7, SystemFont = 13 };
GdiObject GetStockObject(StockObject which);

enum class BackgroundMode { Transparent = 1, Opaque = 2 };
void SetBkMode(DeviceContext hdc, BackgroundMode mode);
void SetBkColor(DeviceContext hdc, long color);
void SetTextColor(DeviceContext hdc, long color);

enum class SystemColor {
    Background = 1,
    ActiveCaption = 2,
    Menu = 4,
    Window = 5,
    MenuText = 7,
    WindowText = 8,
    Highlight = 13,
    HighlightText = 14,
    ButtonFace = 15,
    ButtonShadow = 16,
    ButtonHighlight = 20,
    InfoBackground = 24,
};
long GetSysColor(SystemColor index);

// Draws the first count bytes of text in rect, centred across it when
// centred is true, from its top edge, breaking lines only at line breaks.
void DrawText(DeviceContext hdc, const String &text, long count, const Rect &rect, bool centred);
// The window paints its client area (its own background and content, not its
// child windows) into hdc.
void PaintInto(WindowHandle hwnd, DeviceContext hdc);
// Draws bitmap at x, y in the disabled style: its dark parts embossed in the
// button shadow colour over a highlight copy one pixel right and down.
void DrawDisabledBitmap(DeviceContext hdc, GdiObject bitmap, int x, int y);

// Device contexts and bitmaps not yet given back.
int LiveGdiObjects();

} // namespace runtime
