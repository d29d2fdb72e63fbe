// Horizontal alignment of text, numbered as the platform numbers it.
#pragma once

namespace runtime {

enum class Alignment { Left = 0, Right = 1, Center = 2 };

} // namespace runtime
