// Fonts described by their logical properties, as programs make them for
// drawing on device contexts, and what a context says of its selected font.
// A font made here is given back with DeleteObject.
#pragma once

#include "runtime/win32/gdi.h"

namespace runtime {

struct LogFont {
    long height = 0;      // pixels; negative: the character height, 0: a default
    long weight = 0;      // 400 normal, 700 bold; 0: normal
    long escapement = 0;  // tenths of a degree, anticlockwise
    long orientation = 0; // tenths of a degree
    String faceName;      // up to 31 bytes
};

// A font of those properties; 0 when it cannot be made.
GdiObject CreateFontIndirect(const LogFont &font);
// The properties a font was made with; false for no such font.
bool GetLogFont(GdiObject font, LogFont &out);

// The face name of the font selected in hdc; empty for no context.
String GetTextFace(DeviceContext hdc);
struct TextMetric {
    long height = 0; // pixels, from the top of the highest character to the bottom of the lowest
    long weight = 0;
};
// The measures of the font selected in hdc; false for no context.
bool GetTextMetrics(DeviceContext hdc, TextMetric &out);
// The rectangle the first count bytes of text take when drawn from rect's
// top left on one line by line break, an ampersand marking the next
// character and not measured.
void CalcTextRect(DeviceContext hdc, const String &text, long count, Rect &rect);

} // namespace runtime
