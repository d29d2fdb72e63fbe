#include "runtime/dw/render.h"

#include "runtime/draw/picture.h"
#include "runtime/draw/units.h"
#include "runtime/dw/colors.h"
#include "runtime/dw/parsed_object.h"
#include "runtime/dw/row_context.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <optional>

namespace runtime {

namespace {

int px(int unitsX) { return UnitsToPixelsX(unitsX); }
int py(int unitsY) { return UnitsToPixelsY(unitsY); }

Qt::PenStyle penStyle(long style)
{
    switch (style) {
    case 1: return Qt::DashLine;
    case 2: return Qt::DotLine;
    case 3: return Qt::DashDotLine;
    case 4: return Qt::DashDotDotLine;
    case 5: return Qt::NoPen;
    default: return Qt::SolidLine;
    }
}

QPen penOf(const DataStore &store, const ParsedObject &o, long row)
{
    const QColor color = ColorFromNumber(o.penColor.number(store, row));
    const int width = std::max(1, px(static_cast<int>(o.penWidth)));
    QPen pen(color.isValid() ? color : QColor(Qt::transparent), width, penStyle(o.penStyle));
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

QRect rectOf(const ParsedObject &o, int bandTop)
{
    return QRect(px(o.x), py(bandTop + o.y), px(o.width), py(o.height));
}

void drawBorder(QPainter &p, const QRect &r, long border)
{
    if (border == 0)
        return;
    // Leaves its pen and no brush: every object sets what it draws with.
    p.setBrush(Qt::NoBrush);
    switch (border) {
    case 4: // underline
        p.setPen(QPen(Qt::black, 1));
        p.drawLine(r.bottomLeft(), r.bottomRight());
        break;
    case 5: // lowered
        p.setPen(QPen(Qt::gray, 1));
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(QPen(Qt::white, 1));
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
        break;
    case 6: // raised
        p.setPen(QPen(Qt::white, 1));
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(QPen(Qt::gray, 1));
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
        break;
    default: // box, shadow box, resize
        p.setPen(QPen(Qt::black, 1));
        p.drawRect(r.adjusted(0, 0, -1, -1));
    }
}

void drawPicture(QPainter &p, const QRect &r, const String &name)
{
    const QPixmap pixmap = LoadPicture(name);
    if (!pixmap.isNull())
        p.drawPixmap(r, pixmap);
}

// The text a text, column or computed field shows; a bitmap() field sets
// picture and gives its picture's name in pictureName instead.
QString contentOf(const DataStore &store, const DrawObject &o, const ParsedObject &parsed, long row, bool &picture,
                  String &pictureName)
{
    picture = false;
    try {
        switch (o.kind()) {
        case ObjectKind::Text:
            return parsed.shownText ? *parsed.shownText : ShownText(parsed.text.text(store, row));
        case ObjectKind::Column:
            if (row < 1 || row > store.RowCount())
                return {};
            return ShownText(store.GetItemString(row, o.name()));
        case ObjectKind::Compute: {
            if (!parsed.compute)
                return {};
            picture = parsed.computeIsBitmap;
            const String value = parsed.compute->evaluate(RowContext(store, row)).toString();
            if (picture) {
                pictureName = value;
                return {};
            }
            return ShownText(value);
        }
        default:
            return {};
        }
    } catch (const std::exception &) {
        return {}; // an expression that cannot be evaluated shows nothing
    }
}

// The narrowest a one-line text is drawn to fit its object: our fonts run up
// to a fifth wider than the ones the objects were sized for. A text longer
// than that allows is cut at its object's edge, as a long entry in a field is.
constexpr double kNarrowest = 0.75;

// How a one-line text in the painter's font fits a box of the given size.
// A text a little too wide for its object is drawn narrower to show whole;
// one whose ink would pass the object's bottom moves up as far as its ink
// allows, since our fonts also run taller.
ParsedObject::LineFit fitLine(const QPainter &p, const QSize &box, int alignment, const QString &text)
{
    ParsedObject::LineFit fit{text, p.font(), p.device() ? p.device()->logicalDpiY() : 0};
    if (text.contains(QLatin1Char('\n')))
        return fit;
    const QFontMetricsF metrics(p.font(), p.device());
    const double advance = metrics.horizontalAdvance(text);
    if (advance > box.width() && advance * kNarrowest <= box.width())
        fit.scale = box.width() / advance;
    const double ascent = std::ceil(metrics.ascent());
    fit.baseline = ascent;
    if (ascent + metrics.descent() > box.height()) {
        const QRectF ink = metrics.tightBoundingRect(text);
        if (ascent + std::ceil(ink.bottom()) > box.height())
            fit.baseline = std::max(std::ceil(-ink.top()), box.height() - std::ceil(ink.bottom()));
    }
    fit.natural = fit.scale == 1 && fit.baseline == ascent;
    const double width = advance * fit.scale;
    if (alignment & Qt::AlignRight)
        fit.left = box.width() - width;
    else if (alignment & Qt::AlignHCenter)
        fit.left = (box.width() - width) / 2;
    return fit;
}

// A one-line text in its object, never painting outside the object. The
// fit is measured once for the object's text and font.
void drawOneLine(QPainter &p, const ParsedObject &o, const QRect &r, int alignment, const QString &text)
{
    const int dpi = p.device() ? p.device()->logicalDpiY() : 0;
    if (!o.lineFit || o.lineFit->text != text || o.lineFit->dpi != dpi || !(o.lineFit->font == p.font()))
        o.lineFit = fitLine(p, r.size(), alignment, text);
    const ParsedObject::LineFit &fit = *o.lineFit;
    if (fit.natural) {
        p.drawText(r, alignment | Qt::AlignTop, text); // clipped to the object
        return;
    }
    p.save();
    p.setClipRect(r, Qt::IntersectClip);
    p.translate(r.left() + fit.left, r.top() + fit.baseline);
    p.scale(fit.scale, 1);
    p.drawText(QPointF(0, 0), text);
    p.restore();
}

// fontSet: the font last given to the painter in this band; setting the
// same font again for the next text is skipped (it costs a font resolution).
// Returns where the object drew: its box, with a pen's width around lines
// and rectangles (a text paints inside its box).
QRect paintObject(QPainter &p, const DataStore &store, const DrawObject &o, const PlacedBand &band,
                  std::optional<QFont> &fontSet)
{
    const ParsedObject &s = Parsed(o);
    const long row = band.row;
    if (s.visible.number(store, row) == 0)
        return {};
    if (o.kind() == ObjectKind::Line) {
        const QPen pen = penOf(store, s, row);
        p.setPen(pen);
        const QPoint from(px(static_cast<int>(s.x1.number(store, row))),
                          py(band.top + static_cast<int>(s.y1.number(store, row))));
        const QPoint to(px(static_cast<int>(s.x2.number(store, row))),
                        py(band.top + static_cast<int>(s.y2.number(store, row))));
        p.drawLine(from, to);
        const int w = pen.width() + 1;
        return QRect(from, to).normalized().adjusted(-w, -w, w, w);
    }
    const QRect r = rectOf(s, band.top);
    if (o.kind() == ObjectKind::Rectangle) {
        const QColor fill = ColorFromNumber(s.brushColor.number(store, row));
        const QPen pen = penOf(store, s, row);
        p.setPen(pen);
        p.setBrush(s.brushHatch == 7 || !fill.isValid() ? QBrush(Qt::NoBrush) : QBrush(fill));
        p.drawRect(r);
        const int w = pen.width() + 1;
        return r.adjusted(-w, -w, w, w);
    }
    if (o.kind() == ObjectKind::Picture) {
        drawPicture(p, r, s.fileName);
        drawBorder(p, r, s.border);
        return r;
    }

    if (s.backgroundMode.number(store, row) == 0) {
        const QColor back = ColorFromNumber(s.backgroundColor.number(store, row));
        if (back.isValid())
            p.fillRect(r, back);
    }
    bool picture = false;
    String pictureName;
    const QString content = contentOf(store, o, s, row, picture, pictureName);
    if (picture) {
        drawPicture(p, r, pictureName);
    } else if (!content.isEmpty()) {
        QFont font = s.font(store, row);
        if (!fontSet || !(*fontSet == font)) {
            p.setFont(font);
            fontSet = std::move(font);
        }
        const QColor color = ColorFromNumber(s.color.number(store, row));
        p.setPen(color.isValid() ? color : QColor(Qt::black));
        const int h = s.alignment == 1 ? Qt::AlignRight : s.alignment == 2 ? Qt::AlignHCenter : Qt::AlignLeft;
        // A text wraps only where its object has room for a second line.
        // Either way it paints inside its object only.
        if (r.height() >= 2 * s.lineSpacing(p))
            p.drawText(r, h | Qt::AlignTop | Qt::TextWordWrap, content);
        else
            drawOneLine(p, s, r, h, content);
    }
    drawBorder(p, r, s.border);
    return r;
}

} // namespace

String ResolveProperty(const DataStore &store, const DrawObject &object, const String &property, long row)
{
    return ParsedProperty(object, Lower(property).c_str()).text(store, row);
}

QRect ObjectRect(const DrawObject &o, int bandTop) { return rectOf(Parsed(o), bandTop); }

QRect ObjectInsideRect(const DrawObject &o, int bandTop)
{
    const ParsedObject &s = Parsed(o);
    const QRect r = rectOf(s, bandTop);
    switch (s.border) {
    case 0: return r;
    case 4: return r.adjusted(0, 0, 0, -1); // above the underline
    default: return r.adjusted(1, 1, -1, -1);
    }
}

std::vector<PlacedBand> PlaceBands(const DataStore &store, int viewHeight, long scrollPosition)
{
    const DataObject &d = store.dataObject();
    const int header = d.bandHeight(Band::Header);
    const int detail = d.bandHeight(Band::Detail);
    const int summary = d.bandHeight(Band::Summary);
    const int footer = d.bandHeight(Band::Footer);
    const long rows = store.RowCount();
    const int areaBottom = viewHeight - footer;

    std::vector<PlacedBand> bands;
    long first = 0;
    if (detail > 0) {
        first = std::max(1L, scrollPosition / detail + 1);
        for (long r = first; r <= rows; ++r) {
            const int top = header + static_cast<int>((r - 1) * detail - scrollPosition);
            if (top >= areaBottom)
                break;
            bands.push_back({Band::Detail, r, top, detail});
        }
    }
    const long shown = rows == 0 ? 0 : std::min(std::max(first, 1L), rows);
    if (header > 0)
        bands.insert(bands.begin(), {Band::Header, shown, 0, header});
    if (summary > 0) {
        const int top = header + static_cast<int>(rows * detail - scrollPosition);
        if (top < areaBottom && top + summary > header)
            bands.push_back({Band::Summary, rows, top, summary});
    }
    if (footer > 0)
        bands.push_back({Band::Footer, rows == 0 ? 0 : rows, areaBottom, footer});
    return bands;
}

std::vector<std::vector<PlacedBand>> PlacePages(const DataStore &store, int pageHeight)
{
    const DataObject &d = store.dataObject();
    const int header = d.bandHeight(Band::Header);
    const int detail = d.bandHeight(Band::Detail);
    const int summary = d.bandHeight(Band::Summary);
    const int footer = d.bandHeight(Band::Footer);
    const int bottom = pageHeight - footer;

    std::vector<std::vector<PlacedBand>> pages;
    std::vector<PlacedBand> page;
    int y = 0;
    auto startPage = [&](long row) {
        page.clear();
        y = 0;
        if (header > 0)
            page.push_back({Band::Header, row, 0, header});
        y = header;
    };
    auto endPage = [&](long row) {
        if (footer > 0)
            page.push_back({Band::Footer, row, bottom, footer});
        pages.push_back(page);
    };
    const long rows = store.RowCount();
    startPage(rows > 0 ? 1 : 0);
    for (long r = 1; r <= rows; ++r) {
        // A row that does not fit goes to the next page, unless it is the
        // first on its page (it is then cut at the bottom).
        if (y + detail > bottom && y > header) {
            endPage(r - 1);
            startPage(r);
        }
        page.push_back({Band::Detail, r, y, detail});
        y += detail;
    }
    if (summary > 0) {
        if (y + summary > bottom && y > header) {
            endPage(rows);
            startPage(rows);
        }
        page.push_back({Band::Summary, rows, y, summary});
    }
    endPage(rows);
    return pages;
}

void PaintBands(QPainter &p, const DataStore &store, const std::vector<PlacedBand> &bands, int viewWidth,
                int viewHeight, DrawnObjects *drawn)
{
    const DataObject &d = store.dataObject();
    const QColor back = ColorFromNumber(d.backgroundColor());
    if (back.isValid())
        p.fillRect(QRect(0, 0, px(viewWidth), py(viewHeight)), back);
    const int areaTop = d.bandHeight(Band::Header);
    const int areaBottom = viewHeight - d.bandHeight(Band::Footer);
    for (const PlacedBand &band : bands) {
        p.save();
        if (band.band == Band::Detail || band.band == Band::Summary)
            p.setClipRect(QRect(0, py(areaTop), px(viewWidth), py(areaBottom - areaTop)));
        else
            p.setClipRect(QRect(0, py(band.top), px(viewWidth), py(band.height)));
        p.setRenderHint(QPainter::TextAntialiasing);
        std::optional<QFont> fontSet;
        for (const DrawObject &o : d.objects()) {
            if (o.band() != band.band)
                continue;
            if (!drawn) {
                paintObject(p, store, o, band, fontSet);
                continue;
            }
            const auto known = drawn->extents.find(&o);
            if (!drawn->part.isEmpty() && known != drawn->extents.end() && !drawn->part.intersects(known->second))
                continue;
            const QRect extent = paintObject(p, store, o, band, fontSet);
            if (!extent.isNull())
                drawn->extents[&o] |= extent;
        }
        p.restore();
    }
}

String ObjectAt(const DataStore &store, const PlacedBand &band, const QPoint &point)
{
    const auto &objects = store.dataObject().objects();
    for (auto it = objects.rbegin(); it != objects.rend(); ++it) {
        if (it->band() != band.band || it->kind() == ObjectKind::Line)
            continue;
        if (Parsed(*it).visible.number(store, band.row) == 0)
            continue;
        if (ObjectRect(*it, band.top).contains(point))
            return it->name();
    }
    return {};
}

} // namespace runtime
