// The runtime's stock pictures: names ending in "!" ("Exit!", "AlignLeft!"),
// drawn by the runtime itself.
//
// Each stock picture is also one of the runtime's resources, either a bitmap
// or an icon, under a resource id of its own: the toolbar-style pictures are
// bitmaps, a strip of 16-pixel images; the others are icons.
#pragma once

#include "runtime/text/text.h"

#include <QImage>
#include <QPixmap>

namespace runtime {

// True for a name ending in "!".
bool IsStockPictureName(const String &name);
// The stock picture of that name (in any case), 32 by 32 pixels on a
// transparent ground; a null pixmap for a name the runtime does not know.
QPixmap StockPicture(const String &name);

// The resource id of the stock bitmap of that name (in any case); 0 when the
// name is no stock bitmap.
long StockBitmapId(const String &name);
// The resource id of the stock icon of that name; 0 when it is no stock icon.
long StockIconId(const String &name);

// The stock bitmap of a resource id: 16 pixels high, the picture and its
// greyed copy side by side, 16 pixels wide each, on a ground whose colour is
// the top-left pixel's. A null image for an id that is no stock bitmap.
QImage StockBitmapImage(long id);
// The stock icon of a resource id, 32 by 32 pixels on a transparent ground;
// a null image for an id that is no stock icon.
QImage StockIconImage(long id);

} // namespace runtime
