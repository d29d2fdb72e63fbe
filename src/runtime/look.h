// What window controls and data window objects share of their look: colour
// numbers and the alignment of text.
#pragma once

namespace runtime {

// The colour number of an RGB colour: red + 256 green + 65536 blue, each
// part taken modulo 256.
constexpr long RGB(int red, int green, int blue)
{
    return (red & 255) + 256L * (green & 255) + 65536L * (blue & 255);
}

// Horizontal alignment of a text; the numbers are those data window
// objects store.
enum class Alignment { Left = 0, Right = 1, Center = 2 };

} // namespace runtime
