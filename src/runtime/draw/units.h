// Window units: positions and sizes in the program are given in window
// units, fixed at 96 dpi: horizontally 32/7 units make a pixel, vertically
// 4, so 16 px = 73 horizontal units = 64 vertical units.
#pragma once

#include <cmath>

namespace runtime {

inline int UnitsToPixelsX(int units) { return static_cast<int>(std::lround(units * 7.0 / 32.0)); }
inline int UnitsToPixelsY(int units) { return static_cast<int>(std::lround(units / 4.0)); }
inline int PixelsToUnitsX(int pixels) { return static_cast<int>(std::lround(pixels * 32.0 / 7.0)); }
inline int PixelsToUnitsY(int pixels) { return pixels * 4; }

} // namespace runtime
