// The text of a static text control, drawn so that every line the control was
// designed to hold shows whole.
//
// Our fonts are taller than the ones the windows were laid out with: a
// Chinese face there is as high as its em, ours is about a third taller. A
// text that filled its box line for line would lose its last line to the
// box's edge, so where the text's ink would pass the bottom, the lines close
// up (never closer than the em) and the first line moves up until its ink
// touches the top. A line that would still pass the bottom is not drawn.
#pragma once

#include "runtime/ui/clickable_label.h"

#include <QTextLayout>

#include <memory>
#include <utility>

namespace runtime {

class FittedTextLabel : public ClickableLabel {
protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // The text laid out and its lines placed for the box, kept while the
    // text, font, box size, alignment and wrapping stay as they were: a
    // label painted again (a neighbour changed, the window flushed) draws
    // its shaped glyphs without shaping them again.
    struct Laid {
        QString text;
        QFont font;
        QSize size;
        Qt::Alignment alignment;
        bool wordWrap = false;
        QTextLayout layout;
    };
    const QTextLayout *laidOut(const QRect &area);
    std::unique_ptr<Laid> laid_;
    // The ink of the text last drawn, measured once for its text and font.
    QString inkText_;
    QFont inkFont_;
    std::pair<int, int> ink_;
};

// The rows the text's ink takes when drawn on one line in the font: the
// first row above the baseline (negative) and the one after its last row.
std::pair<int, int> InkRows(const QFont &font, const QString &text);
// A row below the baseline that the ink of a laid-out text does not reach,
// found from the glyphs' boxes without drawing: at least InkRows().second.
double InkBottomAtMost(const QTextLayout &layout);

} // namespace runtime
