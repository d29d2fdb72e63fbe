// Pens, brushes and the shapes drawn with them on device contexts: filled
// rectangles, framed rectangles, lines, edges and text laid out by flags.
// Pens and brushes made here are given back with DeleteObject; stock objects
// and system-colour brushes are never deleted.
#pragma once

#include "runtime/win32/gdi.h"

class QImage;

namespace runtime {

// A device context that draws onto image, which must outlive it; given back
// with DeleteDC.
DeviceContext CreateImageDC(QImage &image);
// The colour of one pixel, or -1 outside the surface or for no context.
long GetPixel(DeviceContext hdc, int x, int y);

GdiObject CreateSolidBrush(long color);
GdiObject GetSysColorBrush(SystemColor index);
// A solid pen one pixel wide (widths up to 1 are the same).
GdiObject CreatePen(int width, long color);

// Fills the rectangle with brush, neither the pen nor the selected brush
// being used. Right and bottom are exclusive; a rectangle given upside down
// fills the same rows as the right way up.
void FillRect(DeviceContext hdc, const Rect &rect, GdiObject brush);
// Frames the rectangle with the selected pen and fills its inside with the
// selected brush; right and bottom are exclusive.
void Rectangle(DeviceContext hdc, int left, int top, int right, int bottom);
// The same with corners rounded by ellipses of cornerWidth by cornerHeight.
void RoundRect(DeviceContext hdc, int left, int top, int right, int bottom, int cornerWidth,
               int cornerHeight);
void MoveToEx(DeviceContext hdc, int x, int y);
// A line with the selected pen from the current position to x, y, the end
// point itself not painted; x, y becomes the current position.
void LineTo(DeviceContext hdc, int x, int y);

// The raised inner edge of a three-dimensional box: light on the top and
// left, shadow on the bottom and right; the inside is left as it is.
void DrawRaisedEdge(DeviceContext hdc, const Rect &rect);

// Text layout: left and top aligned unless asked otherwise. Vertical
// centring works only on a single line. An ampersand underlines the next
// character.
enum TextFormat { TextLeft = 0, TextCentre = 1, TextRight = 2, TextVCentre = 4, TextSingleLine = 32 };
void DrawText(DeviceContext hdc, const String &text, long count, const Rect &rect, int format);

struct Size {
    long cx = 0, cy = 0;
};
// The size of the first count bytes of text in the selected font, every
// character (a tab too) taken as it is.
Size GetTextExtentPoint32(DeviceContext hdc, const String &text, long count);

enum class SystemMetric { MenuHeight = 15 };
int GetSystemMetrics(SystemMetric which);

} // namespace runtime
