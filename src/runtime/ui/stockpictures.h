// The runtime's stock pictures: names ending in "!" ("Exit!", "AlignLeft!"),
// drawn by the runtime itself.
#pragma once

#include "runtime/text/text.h"

#include <QPixmap>

namespace runtime {

// True for a name ending in "!".
bool IsStockPictureName(const String &name);
// The stock picture of that name, 32 by 32 pixels on a transparent ground; a
// null pixmap for a name the runtime does not know.
QPixmap StockPicture(const String &name);

} // namespace runtime
