// Colour values as the scripts write them: 0 to 16777215 is an RGB colour
// (red + 256 * green + 65536 * blue); larger values name system colours
// and transparency, and any other stands for the RGB colour of its lower
// three bytes.
#pragma once

#include <QColor>

namespace runtime {

inline constexpr long kButtonFace = 67108864;
inline constexpr long kWindowText = 33554432;
inline constexpr long kHyperLinkColor = 134217856;
inline constexpr long kAppWorkspace = 268435456;
inline constexpr long kTransparent = 536870912;
inline constexpr long kWindowBackground = 1073741824;

constexpr long RGB(int red, int green, int blue)
{
    return (red & 255) + 256L * (green & 255) + 65536L * (blue & 255);
}

// The colour on the screen; an invalid QColor for transparent.
QColor ToQColor(long color);

} // namespace runtime
