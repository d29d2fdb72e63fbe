#include "runtime/win32/shapes.h"

#include "runtime/win32/gdi_context.h"

#include <QFontMetrics>
#include <QPainter>

namespace runtime {

using namespace gdi_detail;

namespace {

GdiObject made(std::map<GdiObject, QColor> &table, QColor color)
{
    const GdiObject handle = ++tables().next;
    table[handle] = color;
    return handle;
}

QImage *surfaceOf(DeviceContext hdc)
{
    Context *dc = contextOf(hdc);
    return dc ? gdi_detail::surfaceOf(*dc) : nullptr;
}

QColor colourOf(const std::map<GdiObject, QColor> &table, GdiObject handle, QColor otherwise)
{
    auto found = table.find(handle);
    return found == table.end() ? otherwise : found->second;
}

QColor penOf(Context &dc) { return colourOf(tables().pens, dc.pen, Qt::black); }
QColor brushOf(Context &dc) { return colourOf(tables().brushes, dc.brush, Qt::white); }

QFont fontOf(Context &dc)
{
    auto found = tables().fontOf.find(dc.font);
    return found == tables().fontOf.end() ? QFont() : found->second;
}

} // namespace

GdiObject GetStockObject(StockObject which)
{
    static std::map<StockObject, GdiObject> handles;
    GdiObject &handle = handles[which];
    if (handle)
        return handle;
    Tables &t = tables();
    switch (which) {
    case StockObject::WhiteBrush: handle = made(t.brushes, Qt::white); break;
    case StockObject::LightGrayBrush: handle = made(t.brushes, QColor(192, 192, 192)); break;
    case StockObject::WhitePen: handle = made(t.pens, Qt::white); break;
    case StockObject::BlackPen: handle = made(t.pens, Qt::black); break;
    case StockObject::SystemFont: {
        handle = ++t.next;
        QFont font;
        font.setPixelSize(16);
        font.setBold(true);
        t.fontOf[handle] = font;
        break;
    }
    }
    t.stock.insert(handle);
    return handle;
}

DeviceContext CreateImageDC(QImage &image)
{
    Context dc;
    dc.target = &image;
    const DeviceContext hdc = ++tables().next;
    tables().contexts[hdc] = dc;
    return hdc;
}

long GetPixel(DeviceContext hdc, int x, int y)
{
    QImage *surface = surfaceOf(hdc);
    if (!surface || !surface->rect().contains(x, y))
        return -1;
    const QColor c = surface->pixelColor(x, y);
    return RGB(c.red(), c.green(), c.blue());
}

GdiObject CreateSolidBrush(long color) { return made(tables().brushes, ToQColor(color)); }

GdiObject GetSysColorBrush(SystemColor index)
{
    static std::map<SystemColor, GdiObject> handles;
    GdiObject &handle = handles[index];
    if (!handle) {
        handle = made(tables().brushes, ToQColor(GetSysColor(index)));
        tables().stock.insert(handle);
    }
    return handle;
}

GdiObject CreatePen(int, long color) { return made(tables().pens, ToQColor(color)); }

void FillRect(DeviceContext hdc, const Rect &rect, GdiObject brush)
{
    QImage *surface = surfaceOf(hdc);
    auto found = tables().brushes.find(brush);
    if (!surface || found == tables().brushes.end())
        return;
    const long left = std::min(rect.left, rect.right), right = std::max(rect.left, rect.right);
    const long top = std::min(rect.top, rect.bottom), bottom = std::max(rect.top, rect.bottom);
    if (left == right || top == bottom)
        return;
    QPainter(surface).fillRect(QRect(left, top, right - left, bottom - top), found->second);
}

void Rectangle(DeviceContext hdc, int left, int top, int right, int bottom)
{
    RoundRect(hdc, left, top, right, bottom, 0, 0);
}

void RoundRect(DeviceContext hdc, int left, int top, int right, int bottom, int cornerWidth,
               int cornerHeight)
{
    Context *dc = contextOf(hdc);
    QImage *surface = dc ? gdi_detail::surfaceOf(*dc) : nullptr;
    if (!surface || right - left < 2 || bottom - top < 2)
        return;
    QPainter p(surface);
    p.setPen(QPen(penOf(*dc), 0));
    p.setBrush(brushOf(*dc));
    // A cosmetic pen frames the pixels from left to right - 1 inclusive.
    const QRect frame(left, top, right - left - 1, bottom - top - 1);
    if (cornerWidth > 0 && cornerHeight > 0)
        p.drawRoundedRect(frame, cornerWidth / 2.0, cornerHeight / 2.0);
    else
        p.drawRect(frame);
}

void MoveToEx(DeviceContext hdc, int x, int y)
{
    if (Context *dc = contextOf(hdc))
        dc->position = QPoint(x, y);
}

void LineTo(DeviceContext hdc, int x, int y)
{
    Context *dc = contextOf(hdc);
    QImage *surface = dc ? gdi_detail::surfaceOf(*dc) : nullptr;
    if (!dc)
        return;
    const QPoint from = dc->position, to(x, y);
    dc->position = to;
    if (!surface || from == to)
        return;
    // Step back one pixel from the end, which a line never paints.
    const int dx = to.x() - from.x(), dy = to.y() - from.y();
    const int steps = std::max(std::abs(dx), std::abs(dy));
    const QPoint last(from.x() + dx * (steps - 1) / steps, from.y() + dy * (steps - 1) / steps);
    QPainter p(surface);
    p.setPen(QPen(penOf(*dc), 0));
    p.drawLine(from, last);
}

void DrawRaisedEdge(DeviceContext hdc, const Rect &rect)
{
    QImage *surface = surfaceOf(hdc);
    if (!surface || rect.right - rect.left < 1 || rect.bottom - rect.top < 1)
        return;
    QPainter p(surface);
    const int l = rect.left, t = rect.top, r = rect.right - 1, b = rect.bottom - 1;
    p.setPen(QPen(ToQColor(GetSysColor(SystemColor::ButtonHighlight)), 0));
    p.drawLine(l, t, r, t);
    p.drawLine(l, t, l, b);
    p.setPen(QPen(ToQColor(GetSysColor(SystemColor::ButtonShadow)), 0));
    p.drawLine(l, b, r, b);
    p.drawLine(r, t, r, b);
}

void DrawText(DeviceContext hdc, const String &text, long count, const Rect &rect, int format)
{
    Context *dc = contextOf(hdc);
    QImage *surface = dc ? gdi_detail::surfaceOf(*dc) : nullptr;
    if (!surface || count <= 0 || rect.right <= rect.left || rect.bottom <= rect.top)
        return;
    int flags = Qt::TextShowMnemonic;
    flags |= (format & TextRight) ? Qt::AlignRight : (format & TextCentre) ? Qt::AlignHCenter : Qt::AlignLeft;
    flags |= ((format & TextVCentre) && (format & TextSingleLine)) ? Qt::AlignVCenter : Qt::AlignTop;
    const QRect box(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    QPainter p(surface);
    p.setFont(fontOf(*dc));
    const QString shown = ToQString(Left(text, count));
    if (dc->mode == BackgroundMode::Opaque)
        p.fillRect(p.boundingRect(box, flags, shown), ToQColor(dc->backColor));
    p.setPen(ToQColor(dc->textColor));
    p.drawText(box, flags, shown);
}

Size GetTextExtentPoint32(DeviceContext hdc, const String &text, long count)
{
    Context *dc = contextOf(hdc);
    if (!dc || count <= 0)
        return {};
    const QFontMetrics metrics(fontOf(*dc));
    return {metrics.horizontalAdvance(ToQString(Left(text, count))), metrics.height()};
}

int GetSystemMetrics(SystemMetric which)
{
    switch (which) {
    case SystemMetric::MenuHeight: return 19;
    }
    return 0;
}

} // namespace runtime
