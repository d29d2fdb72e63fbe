// Stock icons by name: names ending in "!" are the platform's.
#pragma once

#include "runtime/text/text.h"

#include <QIcon>

namespace runtime {

// A stock icon by name ("AppIcon!" is the application's own icon, "Error!"
// the system's error sign); a null icon for a name it does not know.
QIcon StockIcon(const String &name);

} // namespace runtime
