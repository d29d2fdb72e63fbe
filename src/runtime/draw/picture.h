// Pictures named by data window objects ("pic\info.gif", "images\x.jpg").
//
// By default a name is looked up among the program's Qt resources, with its
// backslashes turned into slashes (":/pic/info.gif"), and then as a file.
// The program may put in a loader of its own.
#pragma once

#include "runtime/text/text.h"

#include <QPixmap>

#include <functional>

namespace runtime {

using PictureLoader = std::function<QPixmap(const String &name)>;

// Replaces the loader; an empty loader restores the default.
void SetPictureLoader(PictureLoader loader);
// The picture of that name; a null pixmap when there is none.
QPixmap LoadPicture(const String &name);

} // namespace runtime
