// Icons: small pictures with transparent parts, made from pictures or from
// bitmaps, drawn onto device contexts. Every icon made here belongs to the
// caller, who gives it back with DestroyIcon.
#pragma once

#include "runtime/win32/gdi.h"

class QImage;

namespace runtime {

using IconHandle = unsigned long; // 0: none

// A picture as an icon at its own size; 0 for a null picture.
IconHandle IconFromImage(const QImage &image);
// A picture scaled to width by height, as a bitmap; 0 for a null picture.
GdiObject BitmapFromImage(const QImage &image, int width, int height);
// The first size-by-size square of bitmap as an icon, every pixel of
// maskColor transparent (-1 matches none); 0 for no bitmap.
IconHandle IconFromBitmap(GdiObject bitmap, int size, long maskColor);
// The runtime's stock bitmap of a resource id (runtime/draw/stockpictures.h),
// unscaled; 0 for an id that is no stock bitmap.
GdiObject LoadStockBitmap(long id);
// The runtime's stock icon of a resource id at the default icon size, 32
// pixels; 0 for an id that is no stock icon.
IconHandle LoadStockIcon(long id);
bool DestroyIcon(IconHandle icon);
bool IsIcon(IconHandle icon);

// Draws the icon scaled to width by height with its top left at x, y.
void DrawIconEx(DeviceContext hdc, int x, int y, IconHandle icon, int width, int height);
// The same in the disabled look: its shape embossed in the button shadow
// colour over a highlight copy one pixel right and down.
void DrawDisabledIcon(DeviceContext hdc, int x, int y, IconHandle icon, int width, int height);

} // namespace runtime
