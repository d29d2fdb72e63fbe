// Pictures by name: the program's own pictures are Qt resources under the
// names the windows and data windows use ("pic\cat.gif" is ":/pic/cat.gif",
// "images\x.jpg" is ":/images/x.jpg"); a name that is no resource is tried
// as a file. Names ending in "!" are the platform's stock pictures.
#pragma once

#include "runtime/text/text.h"

#include <QIcon>
#include <QPixmap>

#include <functional>

namespace runtime {

// The picture of that name; a null pixmap when there is none.
QPixmap LoadPicture(const String &name);

using PictureLoader = std::function<QPixmap(const String &name)>;
// Replaces the loader; an empty loader restores the default.
void SetPictureLoader(PictureLoader loader);

// A stock icon by name ("AppIcon!" is the application's own icon, "Error!"
// the system's error sign); an empty icon for a name it does not know.
QIcon StockIcon(const String &name);

} // namespace runtime
