// The border a control draws around itself.
#pragma once

class QFrame;

namespace runtime {

enum class BorderStyle { None, Box, Raised, Lowered };

// Gives the frame the border: a thin line for a box, a two-pixel panel for
// raised and lowered.
void ApplyBorderStyle(QFrame &frame, BorderStyle style);

} // namespace runtime
