#include "runtime/ui/fitted_text.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QImage>
#include <QPainter>
#include <QRawFont>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace runtime {

namespace {

// Where the lines of a text go in a box: the baseline of the first line and
// the distance from one baseline to the next, in pixels.
struct LinePlacement {
    double firstBaseline = 0;
    double pitch = 0;
};

// Whether the ink of all lines, reaching inkBottom below a baseline, ends
// inside the box with the lines where the font places them.
bool FitsAsPlaced(int lines, double boxHeight, double ascent, double lineHeight, double inkBottom)
{
    // Baselines on whole pixels: a line drawn between pixel rows blurs.
    return lines < 1 || std::ceil(ascent) + (lines - 1) * std::round(lineHeight) + inkBottom <= boxHeight;
}

// The font's own placement (its ascent and line height) if the ink of all
// lines ends inside the box; else the lines closed up as far as needed, down
// to the em, and moved up as far as the first line's ink allows. inkTop and
// inkBottom are the text's ink above and below its baseline (inkTop < 0).
LinePlacement PlaceLines(int lines, double boxHeight, double ascent, double lineHeight, double inkTop,
                         double inkBottom, double em)
{
    const bool fits = FitsAsPlaced(lines, boxHeight, ascent, lineHeight, inkBottom);
    ascent = std::ceil(ascent);
    lineHeight = std::round(lineHeight);
    const LinePlacement natural{ascent, lineHeight};
    if (fits)
        return natural;
    const double inkHeight = inkBottom - inkTop;
    double pitch = lineHeight;
    if (lines > 1)
        pitch = std::max(em, std::min(lineHeight, std::floor((boxHeight - inkHeight) / (lines - 1))));
    const double lowest = std::ceil(-inkTop);
    const double fitting = std::floor(boxHeight - inkBottom - (lines - 1) * pitch);
    return {std::max(lowest, std::min(ascent, fitting)), pitch};
}

// How many lines show whole in the box: as many as fit closed up to the em
// with the first line's ink at the top, and always the first, which a box
// lower than its ink shows cut.
int WholeLines(double boxHeight, double inkTop, double inkBottom, double em)
{
    const double room = boxHeight - std::ceil(-inkTop) - inkBottom;
    return room < em ? 1 : 1 + static_cast<int>(std::floor(room / em));
}

// Line breaks of the text as the layout takes them.
QString WithLineSeparators(QString text)
{
    text.replace(QStringLiteral("\r\n"), QString(QChar::LineSeparator));
    text.replace(QLatin1Char('\n'), QChar::LineSeparator);
    text.replace(QLatin1Char('\r'), QChar::LineSeparator);
    return text;
}

} // namespace

// The rows the text's ink takes, drawn on one line: the first above the
// baseline (negative) and the one below its last row.
std::pair<int, int> InkRows(const QFont &font, const QString &text)
{
    const QFontMetricsF metrics(font);
    const int above = static_cast<int>(std::ceil(metrics.ascent())) + 4;
    const int below = static_cast<int>(std::ceil(metrics.descent())) + 4;
    QImage image(static_cast<int>(std::ceil(metrics.horizontalAdvance(text))) + 8, above + below,
                 QImage::Format_Grayscale8);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(QPointF(4, above), QString(text).replace(QChar::LineSeparator, QLatin1Char(' ')));
    }
    int top = 0, bottom = 0;
    bool found = false;
    for (int y = 0; y < image.height(); ++y) {
        const uchar *row = image.constScanLine(y);
        if (std::any_of(row, row + image.width(), [](uchar grey) { return grey < 160; })) {
            if (!found)
                top = y;
            bottom = y + 1;
            found = true;
        }
    }
    if (!found)
        return {0, 0};
    return {top - above, bottom - above};
}

// The lowest edge of the glyphs' boxes, and two pixels for what rounding and
// smoothing add to a glyph's box.
double InkBottomAtMost(const QTextLayout &layout)
{
    double lowest = 0;
    for (const QGlyphRun &run : layout.glyphRuns()) {
        const QRawFont font = run.rawFont();
        for (const quint32 glyph : run.glyphIndexes())
            lowest = std::max(lowest, font.boundingRect(glyph).bottom());
    }
    return std::ceil(lowest) + 2;
}

void FittedTextLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    drawFrame(&painter);
    const QRect area = contentsRect();
    const QTextLayout *layout = laidOut(area);
    if (!layout)
        return;
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole()));
    layout->draw(&painter, area.topLeft());
}

const QTextLayout *FittedTextLabel::laidOut(const QRect &area)
{
    const QString raw = this->text();
    if (laid_ && laid_->text == raw && laid_->size == area.size() && laid_->font == font() &&
        laid_->alignment == alignment() && laid_->wordWrap == wordWrap())
        return laid_->layout.lineCount() > 0 ? &laid_->layout : nullptr;
    laid_.reset();
    const QString text = WithLineSeparators(raw);
    if (text.isEmpty())
        return nullptr;
    laid_ = std::make_unique<Laid>();
    laid_->text = raw;
    laid_->font = font();
    laid_->size = area.size();
    laid_->alignment = alignment();
    laid_->wordWrap = wordWrap();
    QTextLayout &layout = laid_->layout;
    layout.setText(text);
    layout.setFont(font());
    QTextOption option(alignment() & Qt::AlignHorizontal_Mask);
    option.setWrapMode(wordWrap() ? QTextOption::WordWrap : QTextOption::NoWrap);
    layout.setTextOption(option);
    // Lays out at most `most` lines (0: all of them).
    const auto layOut = [&](int most) {
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLeadingIncluded(true);
            line.setLineWidth(area.width());
            if (layout.lineCount() == most)
                break;
        }
        layout.endLayout();
    };
    layOut(0);
    if (layout.lineCount() == 0)
        return nullptr;

    QTextLine first = layout.lineAt(0);
    LinePlacement place{std::ceil(first.ascent()), std::round(first.height())};
    // Drawing the text to find its ink is worth it only where the lines may
    // not fit as the font places them.
    if (!FitsAsPlaced(layout.lineCount(), area.height(), first.ascent(), first.height(), InkBottomAtMost(layout))) {
        if (inkText_ != text || inkFont_ != font()) {
            inkText_ = text;
            inkFont_ = font();
            ink_ = InkRows(font(), text);
        }
        const double em = QFontInfo(font()).pixelSize();
        // Only the lines that show whole are laid out, and so drawn: a line
        // cut at the box's foot would read as stray marks under the one above.
        const int whole = WholeLines(area.height(), ink_.first, ink_.second, em);
        if (layout.lineCount() > whole) {
            layOut(whole);
            first = layout.lineAt(0);
        }
        place = PlaceLines(layout.lineCount(), area.height(), first.ascent(), first.height(), ink_.first,
                           ink_.second, em);
    }
    for (int i = 0; i < layout.lineCount(); ++i) {
        QTextLine line = layout.lineAt(i);
        // A line that includes its leading draws its baseline that much
        // below its ascent; the painter puts it a whole number of pixels
        // below the line's top, and the top on a whole pixel.
        const double base = std::floor(line.ascent() + std::max(0.0, line.leading()));
        line.setPosition({0, place.firstBaseline + i * place.pitch - base});
    }
    return &layout;
}

} // namespace runtime
