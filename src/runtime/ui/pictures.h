// Pictures by name: the program's own pictures are Qt resources under the
// names the windows use ("pic\cat.gif" is ":/pic/cat.gif"); names ending in
// "!" are the platform's stock pictures.
#pragma once

#include "runtime/text/text.h"

#include <QIcon>
#include <QPixmap>

namespace runtime {

// The picture of that name; a null pixmap when there is none.
QPixmap LoadPicture(const String &name);

// A stock icon by name ("AppIcon!" is the application's own icon).
QIcon StockIcon(const String &name);

} // namespace runtime
