#include "runtime/draw/colors.h"

namespace runtime {

QColor ToQColor(long color)
{
    if (color >= 0 && color <= 0xFFFFFF)
        return QColor(color & 255, (color >> 8) & 255, (color >> 16) & 255);
    // A design colour stored with the high byte 1 is its own low three bytes.
    if ((color >> 24) == 1)
        return ToQColor(color & 0xFFFFFF);
    switch (color) {
    case kButtonFace: return QColor(240, 240, 240);
    case kWindowText: return QColor(0, 0, 0);
    case kHyperLinkColor: return QColor(0, 0, 255);
    case kAppWorkspace: return QColor(171, 171, 171);
    case kWindowBackground: return QColor(255, 255, 255);
    case kTransparent: return QColor();
    default:
        // The runtime's other colours carry the colour they stand for in
        // their low three bytes.
        return QColor(color & 255, (color >> 8) & 255, (color >> 16) & 255);
    }
}

} // namespace runtime
