// The text of a static text control, drawn so that every line the control was
// designed to hold shows whole.
//
// Our fonts are taller than the ones the windows were laid out with: a
// Chinese face there is as high as its em, ours adds a third of it again. A
// text that filled its box line for line would lose its last line to the
// box's edge, so where the text's ink would pass the bottom, the lines close
// up (never closer than the em) and the first line moves up until its ink
// touches the top.
#pragma once

#include "runtime/ui/clickable_label.h"

#include <utility>

namespace runtime {

// Where the lines of a text go in a box: the baseline of the first line and
// the distance from one baseline to the next, in pixels.
struct LinePlacement {
    double firstBaseline = 0;
    double pitch = 0;
};

// The font's own placement (its ascent and line height) if the ink of all
// lines ends inside the box; else the lines closed up as far as needed, down
// to the em, and moved up as far as the first line's ink allows. inkTop and
// inkBottom are the text's ink above and below its baseline (inkTop < 0).
LinePlacement PlaceLines(int lines, double boxHeight, double ascent, double lineHeight, double inkTop,
                         double inkBottom, double em);

class FittedTextLabel : public ClickableLabel {
protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // The ink of the text last drawn, measured once for its text and font.
    QString inkText_;
    QFont inkFont_;
    std::pair<int, int> ink_;
};

// The rows the text's ink takes when drawn on one line in the font: the
// first row above the baseline (negative) and the one after its last row.
std::pair<int, int> InkRows(const QFont &font, const QString &text);

} // namespace runtime
