#include "runtime/dw/render.h"

#include "runtime/dw/colors.h"
#include "runtime/dw/parsed_object.h"
#include "runtime/dw/picture.h"
#include "runtime/dw/row_context.h"
#include "runtime/ui/units.h"

#include <QPainter>

#include <algorithm>
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

// fontSet: the font last given to the painter in this band; setting the
// same font again for the next text is skipped (it costs a font resolution).
// Returns where the object drew: its box, with a pen's width around lines
// and rectangles and the text's lines (and a line's height around them, for
// glyphs that reach past their advance) where a text runs over its box.
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
    QRect drawn = r;
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
        // A text wraps only where its object has room for a second line;
        // a one-line object lets a slightly wider or taller font run over
        // its edges rather than lose characters.
        const int lineSpacing = s.lineSpacing(p);
        const bool roomForLines = r.height() >= 2 * lineSpacing;
        QRect lines;
        p.drawText(r, h | Qt::AlignTop | (roomForLines ? Qt::TextWordWrap : Qt::TextDontClip), content, &lines);
        drawn |= lines.adjusted(-lineSpacing, -lineSpacing, lineSpacing, lineSpacing);
    }
    drawBorder(p, r, s.border);
    return drawn;
}

} // namespace

String ResolveProperty(const DataStore &store, const DrawObject &object, const String &property, long row)
{
    return ParsedProperty(object, Lower(property).c_str()).text(store, row);
}

QRect ObjectRect(const DrawObject &o, int bandTop) { return rectOf(Parsed(o), bandTop); }

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
