#include "runtime/dw/render.h"

#include <QFontMetrics>

#include "runtime/dw/colors.h"
#include "runtime/dw/picture.h"
#include "runtime/ui/units.h"

#include <QFont>
#include <QPainter>

#include <algorithm>

namespace runtime {

namespace {

bool expectsNumber(const String &property)
{
    return property == "color" || property == "background.color" || property == "background.mode" ||
           property == "visible" || property == "pen.color" || property == "brush.color" || property == "font.weight";
}

int px(int unitsX) { return UnitsToPixelsX(unitsX); }
int py(int unitsY) { return UnitsToPixelsY(unitsY); }

QFont fontOf(const DataStore &store, const DrawObject &o, long row)
{
    QFont font(ToQString(ResolveProperty(store, o, "font.face", row)));
    const long height = Long(ResolveProperty(store, o, "font.height", row));
    // Negative heights are points; the view has 96 pixels to the inch.
    const int pixels = height < 0 ? static_cast<int>(std::lround(-height * 96.0 / 72.0)) : py(static_cast<int>(height));
    font.setPixelSize(std::max(1, pixels));
    const int weight = static_cast<int>(std::clamp(Long(ResolveProperty(store, o, "font.weight", row)), 100L, 900L));
    font.setWeight(static_cast<QFont::Weight>(weight));
    font.setItalic(Long(o.get("font.italic")) != 0);
    font.setUnderline(Long(o.get("font.underline")) != 0);
    return font;
}

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

QPen penOf(const DataStore &store, const DrawObject &o, long row)
{
    const QColor color = ColorFromNumber(Long(ResolveProperty(store, o, "pen.color", row)));
    const int width = std::max(1, px(static_cast<int>(Long(o.get("pen.width")))));
    QPen pen(color.isValid() ? color : QColor(Qt::transparent), width, penStyle(Long(o.get("pen.style"))));
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

void drawBorder(QPainter &p, const QRect &r, long border)
{
    if (border == 0)
        return;
    p.save();
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
    p.restore();
}

void drawPicture(QPainter &p, const QRect &r, const String &name)
{
    const QPixmap pixmap = LoadPicture(name);
    if (!pixmap.isNull())
        p.drawPixmap(r, pixmap);
}

// The text a text, column or computed field shows, or the picture name of a
// bitmap() field (picture set true).
String contentOf(const DataStore &store, const DrawObject &o, long row, bool &picture)
{
    picture = false;
    try {
        switch (o.kind()) {
        case ObjectKind::Text:
            return ResolveProperty(store, o, "text", row);
        case ObjectKind::Column:
            if (row < 1 || row > store.RowCount())
                return {};
            return store.GetItemString(row, o.name());
        case ObjectKind::Compute: {
            const auto e = Expression::Parse(o.get("expression"));
            picture = e->isBitmap();
            return store.EvaluateFor(o.get("expression"), row).toString();
        }
        default:
            return {};
        }
    } catch (const std::exception &) {
        return {}; // an expression that cannot be evaluated shows nothing
    }
}

void paintObject(QPainter &p, const DataStore &store, const DrawObject &o, const PlacedBand &band)
{
    const long row = band.row;
    if (Long(ResolveProperty(store, o, "visible", row)) == 0)
        return;
    if (o.kind() == ObjectKind::Line) {
        p.setPen(penOf(store, o, row));
        p.drawLine(px(static_cast<int>(Long(ResolveProperty(store, o, "x1", row)))),
                   py(band.top + static_cast<int>(Long(ResolveProperty(store, o, "y1", row)))),
                   px(static_cast<int>(Long(ResolveProperty(store, o, "x2", row)))),
                   py(band.top + static_cast<int>(Long(ResolveProperty(store, o, "y2", row)))));
        return;
    }
    const QRect r = ObjectRect(o, band.top);
    if (o.kind() == ObjectKind::Rectangle) {
        const QColor fill = ColorFromNumber(Long(ResolveProperty(store, o, "brush.color", row)));
        p.setPen(penOf(store, o, row));
        p.setBrush(Long(o.get("brush.hatch")) == 7 || !fill.isValid() ? QBrush(Qt::NoBrush) : QBrush(fill));
        p.drawRect(r);
        return;
    }
    if (o.kind() == ObjectKind::Picture) {
        drawPicture(p, r, o.get("filename"));
        drawBorder(p, r, Long(o.get("border")));
        return;
    }

    if (Long(ResolveProperty(store, o, "background.mode", row)) == 0) {
        const QColor back = ColorFromNumber(Long(ResolveProperty(store, o, "background.color", row)));
        if (back.isValid())
            p.fillRect(r, back);
    }
    bool picture = false;
    const String content = contentOf(store, o, row, picture);
    if (picture) {
        drawPicture(p, r, content);
    } else if (!content.empty()) {
        p.setFont(fontOf(store, o, row));
        const QColor color = ColorFromNumber(Long(ResolveProperty(store, o, "color", row)));
        p.setPen(color.isValid() ? color : QColor(Qt::black));
        const long align = Long(o.get("alignment"));
        const int h = align == 1 ? Qt::AlignRight : align == 2 ? Qt::AlignHCenter : Qt::AlignLeft;
        QString text = ToQString(content);
        text.replace(QLatin1String("\r\n"), QLatin1String("\n"))
            .replace(QLatin1String("\n\r"), QLatin1String("\n"))
            .replace(QLatin1Char('\r'), QLatin1Char('\n'));
        // A text wraps only where its object has room for a second line;
        // a one-line object lets a slightly wider or taller font run over
        // its edges rather than lose characters.
        const bool roomForLines = r.height() >= 2 * QFontMetrics(p.font()).lineSpacing();
        p.drawText(r, h | Qt::AlignTop | (roomForLines ? Qt::TextWordWrap : Qt::TextDontClip), text);
    }
    drawBorder(p, r, Long(o.get("border")));
}

} // namespace

String ResolveProperty(const DataStore &store, const DrawObject &object, const String &property, long row)
{
    const String value = object.get(property);
    const size_t tab = value.find('\t');
    String expression;
    String fallback = value;
    if (tab != std::string::npos) {
        fallback = value.substr(0, tab);
        expression = value.substr(tab + 1);
        if (!expression.empty() && (expression.front() == '"' || expression.front() == '\'') &&
            expression.back() == expression.front() && expression.size() >= 2)
            expression = expression.substr(1, expression.size() - 2);
    } else if (expectsNumber(property) && !value.empty() && !IsNumber(value)) {
        expression = value;
        fallback = "0";
    }
    if (expression.empty())
        return value;
    try {
        const Value v = store.EvaluateFor(expression, row);
        return v.isNull() ? fallback : v.toString();
    } catch (const std::exception &) {
        return fallback;
    }
}

QRect ObjectRect(const DrawObject &o, int bandTop)
{
    const int x = static_cast<int>(Long(o.get("x")));
    const int y = static_cast<int>(Long(o.get("y")));
    return QRect(px(x), py(bandTop + y), px(static_cast<int>(Long(o.get("width")))),
                 py(static_cast<int>(Long(o.get("height")))));
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
                int viewHeight)
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
        for (const DrawObject &o : d.objects())
            if (o.band() == band.band)
                paintObject(p, store, o, band);
        p.restore();
    }
}

String ObjectAt(const DataStore &store, const PlacedBand &band, const QPoint &point)
{
    const auto &objects = store.dataObject().objects();
    for (auto it = objects.rbegin(); it != objects.rend(); ++it) {
        if (it->band() != band.band || it->kind() == ObjectKind::Line)
            continue;
        if (Long(ResolveProperty(store, *it, "visible", band.row)) == 0)
            continue;
        if (ObjectRect(*it, band.top).contains(point))
            return it->name();
    }
    return {};
}

} // namespace runtime
