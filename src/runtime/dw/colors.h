// Colour numbers of the runtime as Qt colours.
#pragma once

#include <QColor>

namespace runtime {

// r + 256 g + 65536 b, or one of the codes for the window text, button
// face, application workspace and window background colours; the
// transparent codes give an invalid colour (nothing is painted).
QColor ColorFromNumber(long number);

} // namespace runtime
