// Horizontal alignment of text, for controls and data window objects alike
// (the values are the data window's property values).
#pragma once

namespace runtime {

enum class Alignment { Left = 0, Right = 1, Center = 2 };

} // namespace runtime
