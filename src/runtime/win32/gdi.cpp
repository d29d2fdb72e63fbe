#include "runtime/win32/gdi.h"
#include "runtime/win32/gdi_context.h"

#include "runtime/draw/colors.h"
#include "runtime/ui/screen_drawing.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QWidget>

#include <map>

namespace runtime {

using namespace gdi_detail;

namespace gdi_detail {

Tables &tables()
{
    static Tables t;
    return t;
}

Context *contextOf(DeviceContext hdc)
{
    auto found = tables().contexts.find(hdc);
    return found == tables().contexts.end() ? nullptr : &found->second;
}

QImage *surfaceOf(Context &dc)
{
    if (dc.target)
        return dc.target;
    if (dc.window)
        return &dc.screen;
    auto found = tables().objects.find(dc.bitmap);
    return found == tables().objects.end() ? nullptr : &found->second.bitmap;
}

void DrawEmbossed(QImage &surface, int x, int y, const QImage &shape)
{
    auto tinted = [&shape](QColor color) {
        QImage t = shape;
        QPainter p(&t);
        p.setCompositionMode(QPainter::CompositionMode_SourceIn);
        p.fillRect(t.rect(), color);
        return t;
    };
    QPainter p(&surface);
    p.drawImage(x + 1, y + 1, tinted(ToQColor(GetSysColor(SystemColor::ButtonHighlight))));
    p.drawImage(x, y, tinted(ToQColor(GetSysColor(SystemColor::ButtonShadow))));
}

} // namespace gdi_detail

namespace {

DeviceContext windowContext(WindowHandle hwnd)
{
    QWidget *window = WidgetOf(hwnd);
    if (!window)
        return 0;
    Context dc;
    dc.window = window;
    dc.screen = QImage(window->size(), QImage::Format_ARGB32_Premultiplied);
    dc.screen.fill(Qt::transparent);
    const DeviceContext hdc = ++tables().next;
    tables().contexts[hdc] = dc;
    return hdc;
}

} // namespace

DeviceContext GetDC(WindowHandle hwnd) { return windowContext(hwnd); }
DeviceContext GetWindowDC(WindowHandle hwnd) { return windowContext(hwnd); }

int ReleaseDC(WindowHandle hwnd, DeviceContext hdc)
{
    Context *dc = contextOf(hdc);
    if (!dc || !dc->window || HandleOf(dc->window) != hwnd)
        return 0;
    DrawOntoScreen(dc->window, dc->screen);
    tables().contexts.erase(hdc);
    return 1;
}

DeviceContext CreateDisplayDC()
{
    if (!QGuiApplication::primaryScreen())
        return 0;
    const DeviceContext hdc = ++tables().next;
    tables().contexts[hdc] = Context();
    return hdc;
}

DeviceContext CreateCompatibleDC(DeviceContext)
{
    Context dc;
    dc.bitmap = kStockBitmap;
    const DeviceContext hdc = ++tables().next;
    tables().contexts[hdc] = dc;
    return hdc;
}

GdiObject CreateCompatibleBitmap(DeviceContext hdc, int width, int height)
{
    if (!contextOf(hdc) || width <= 0 || height <= 0)
        return 0;
    Object bitmap;
    bitmap.bitmap = QImage(width, height, QImage::Format_ARGB32_Premultiplied);
    bitmap.bitmap.fill(Qt::black);
    const GdiObject handle = ++tables().next;
    tables().objects[handle] = bitmap;
    return handle;
}

bool DeleteDC(DeviceContext hdc)
{
    Context *dc = contextOf(hdc);
    if (!dc || dc->window)
        return false;
    tables().contexts.erase(hdc);
    return true;
}

bool DeleteObject(GdiObject object)
{
    Tables &t = tables();
    if (t.stock.count(object))
        return false;
    for (const auto &[hdc, dc] : t.contexts)
        if (dc.bitmap == object || dc.pen == object || dc.brush == object || dc.font == object)
            return false; // still selected
    bool isWindowFont = false;
    for (const auto &[hwnd, font] : t.fonts)
        isWindowFont = isWindowFont || font == object;
    const std::size_t fonts = isWindowFont ? 0 : t.fontOf.erase(object);
    return t.objects.erase(object) + t.pens.erase(object) + t.brushes.erase(object) + fonts > 0;
}

GdiObject SelectObject(DeviceContext hdc, GdiObject object)
{
    Context *dc = contextOf(hdc);
    if (!dc || object == 0)
        return 0;
    if (tables().fontOf.count(object) || object == kDefaultFont) {
        const GdiObject before = dc->font;
        dc->font = object == kDefaultFont ? 0 : object;
        return before ? before : kDefaultFont;
    }
    if (tables().pens.count(object)) {
        const GdiObject before = dc->pen ? dc->pen : GetStockObject(StockObject::BlackPen);
        dc->pen = object;
        return before;
    }
    if (tables().brushes.count(object)) {
        const GdiObject before = dc->brush ? dc->brush : GetStockObject(StockObject::WhiteBrush);
        dc->brush = object;
        return before;
    }
    if (dc->window || dc->target || (object != kStockBitmap && !tables().objects.count(object)))
        return 0;
    const GdiObject before = dc->bitmap;
    dc->bitmap = object;
    return before;
}

GdiObject GetWindowFont(WindowHandle hwnd)
{
    QWidget *window = WidgetOf(hwnd);
    if (!window)
        return 0;
    GdiObject &font = tables().fonts[hwnd];
    if (!font)
        font = ++tables().next;
    tables().fontOf[font] = window->font();
    return font;
}

void SetBkMode(DeviceContext hdc, BackgroundMode mode)
{
    if (Context *dc = contextOf(hdc))
        dc->mode = mode;
}

void SetBkColor(DeviceContext hdc, long color)
{
    if (Context *dc = contextOf(hdc))
        dc->backColor = color;
}

void SetTextColor(DeviceContext hdc, long color)
{
    if (Context *dc = contextOf(hdc))
        dc->textColor = color;
}

long GetSysColor(SystemColor index)
{
    // One fixed scheme: the classic grey desktop.
    switch (index) {
    case SystemColor::Background: return RGB(58, 110, 165);
    case SystemColor::ActiveCaption: return RGB(10, 36, 106);
    case SystemColor::Menu: return RGB(212, 208, 200);
    case SystemColor::Window: return RGB(255, 255, 255);
    case SystemColor::MenuText: return RGB(0, 0, 0);
    case SystemColor::WindowText: return RGB(0, 0, 0);
    case SystemColor::Highlight: return RGB(10, 36, 106);
    case SystemColor::HighlightText: return RGB(255, 255, 255);
    case SystemColor::ButtonFace: return RGB(212, 208, 200);
    case SystemColor::ButtonShadow: return RGB(128, 128, 128);
    case SystemColor::ButtonHighlight: return RGB(255, 255, 255);
    case SystemColor::InfoBackground: return RGB(255, 255, 225);
    }
    return RGB(0, 0, 0);
}

void DrawText(DeviceContext hdc, const String &text, long count, const Rect &rect, bool centred)
{
    Context *dc = contextOf(hdc);
    QImage *surface = dc ? surfaceOf(*dc) : nullptr;
    if (!surface || count <= 0)
        return;
    const QRect box(QPoint(rect.left, rect.top), QPoint(rect.right - 1, rect.bottom - 1));
    QPainter p(surface);
    if (auto font = tables().fontOf.find(dc->font); font != tables().fontOf.end())
        p.setFont(font->second);
    const QString shown = ToQString(Left(text, count));
    const int flags = (centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop;
    if (dc->mode == BackgroundMode::Opaque)
        p.fillRect(p.boundingRect(box, flags, shown), ToQColor(dc->backColor));
    p.setPen(ToQColor(dc->textColor));
    p.drawText(box, flags, shown);
}

void PaintInto(WindowHandle hwnd, DeviceContext hdc)
{
    QWidget *window = WidgetOf(hwnd);
    Context *dc = contextOf(hdc);
    QImage *surface = dc ? surfaceOf(*dc) : nullptr;
    if (!window || !surface)
        return;
    window->render(surface, QPoint(), QRegion(), QWidget::DrawWindowBackground);
}

void DrawDisabledBitmap(DeviceContext hdc, GdiObject bitmap, int x, int y)
{
    Context *dc = contextOf(hdc);
    QImage *surface = dc ? surfaceOf(*dc) : nullptr;
    auto found = tables().objects.find(bitmap);
    if (!surface || found == tables().objects.end())
        return;
    // Dark pixels make the shape; light ones (the ground) are left out.
    const QImage &source = found->second.bitmap;
    QImage shape(source.size(), QImage::Format_ARGB32_Premultiplied);
    shape.fill(Qt::transparent);
    for (int row = 0; row < source.height(); ++row)
        for (int col = 0; col < source.width(); ++col)
            if (qGray(source.pixel(col, row)) < 192)
                shape.setPixelColor(col, row, Qt::black);
    DrawEmbossed(*surface, x, y, shape);
}

int LiveGdiObjects()
{
    const Tables &t = tables();
    std::size_t made = 0;
    for (const auto *table : {&t.pens, &t.brushes})
        for (const auto &[handle, colour] : *table)
            made += t.stock.count(handle) ? 0 : 1;
    return static_cast<int>(t.contexts.size() + t.objects.size() + made + t.icons.size());
}

} // namespace runtime
