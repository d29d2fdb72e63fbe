// One-line texts condensed to the width their object was laid out for.
//
// The windows were laid out with Chinese faces whose Latin letters and digits
// are half as wide as a Chinese character; ours are about a fifth wider. A
// one-line text that filled its object there, a date such as "2026年12月11日"
// or "ABCD", would pass its object's edge here; drawn a little condensed it
// shows whole inside it. A text wider than that allows is left as it is.
#pragma once

#include <QFont>
#include <QString>

namespace runtime {

// The font to draw text on one line within width pixels: the font itself
// when the text fits, else the font condensed just enough, down to four
// fifths of its width; past that the font itself.
QFont CondensedToFit(const QFont &font, const QString &text, int width);

} // namespace runtime
