#include "runtime/win32/gdi.h"

#include "runtime/ui/colors.h"

#include <QImage>
#include <QPainter>
#include <QPointer>
#include <QWidget>

#include <map>

namespace runtime {

namespace {

// What has been drawn onto a window: a transparent layer over it.
class ScreenLayer : public QWidget {
public:
    explicit ScreenLayer(QWidget *window) : QWidget(window)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setObjectName(kName);
    }
    static constexpr const char *kName = "screen drawing";
    QImage drawing;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.drawImage(0, 0, drawing);
    }
};

ScreenLayer *layerOf(QWidget *window, bool make)
{
    auto *layer = dynamic_cast<ScreenLayer *>(
        window->findChild<QWidget *>(ScreenLayer::kName, Qt::FindDirectChildrenOnly));
    if (!layer && make)
        layer = new ScreenLayer(window);
    return layer;
}

struct Context {
    QPointer<QWidget> window; // null for a memory context
    QImage screen;            // what a window context has drawn so far
    GdiObject font = 0;
    GdiObject bitmap = 0; // the bitmap selected into a memory context
    long textColor = 0;
    long backColor = RGB(255, 255, 255);
    BackgroundMode mode = BackgroundMode::Opaque;
};

struct Object {
    QImage bitmap;
    QFont font;
    bool isFont = false;
};

// The bitmap every memory context is made with.
constexpr GdiObject kStockBitmap = 1;

struct Tables {
    unsigned long next = 100;
    std::map<DeviceContext, Context> contexts;
    std::map<GdiObject, Object> objects;     // bitmaps made by programs
    std::map<WindowHandle, GdiObject> fonts; // windows' own fonts
    std::map<GdiObject, QFont> fontOf;
};

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

// The image a context draws into; null when it has none.
QImage *surfaceOf(Context &dc)
{
    if (dc.window)
        return &dc.screen;
    auto found = tables().objects.find(dc.bitmap);
    return found == tables().objects.end() ? nullptr : &found->second.bitmap;
}

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
    QWidget *window = dc->window;
    ScreenLayer *layer = layerOf(window, true);
    if (layer->drawing.size() != window->size()) {
        QImage grown(window->size(), QImage::Format_ARGB32_Premultiplied);
        grown.fill(Qt::transparent);
        QPainter(&grown).drawImage(0, 0, layer->drawing);
        layer->drawing = grown;
    }
    QImage drawn = layer->drawing;
    QPainter(&drawn).drawImage(0, 0, dc->screen);
    layer->setGeometry(window->rect());
    layer->raise();
    layer->show();
    // The same drawing again changes nothing on the screen: no repaint, so
    // that a control that draws over itself whenever it paints comes to rest.
    if (drawn != layer->drawing) {
        layer->drawing = drawn;
        layer->update();
    }
    tables().contexts.erase(hdc);
    return 1;
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
    for (const auto &[hdc, dc] : tables().contexts)
        if (dc.bitmap == object)
            return false; // still selected
    return tables().objects.erase(object) > 0;
}

GdiObject SelectObject(DeviceContext hdc, GdiObject object)
{
    Context *dc = contextOf(hdc);
    if (!dc || object == 0)
        return 0;
    if (tables().fontOf.count(object)) {
        const GdiObject before = dc->font;
        dc->font = object;
        return before ? before : object;
    }
    if (dc->window || (object != kStockBitmap && !tables().objects.count(object)))
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
    return index == SystemColor::ButtonHighlight ? RGB(255, 255, 255) : RGB(128, 128, 128);
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
    auto tinted = [&shape](QColor color) {
        QImage t = shape;
        QPainter p(&t);
        p.setCompositionMode(QPainter::CompositionMode_SourceIn);
        p.fillRect(t.rect(), color);
        return t;
    };
    QPainter p(surface);
    p.drawImage(x + 1, y + 1, tinted(ToQColor(GetSysColor(SystemColor::ButtonHighlight))));
    p.drawImage(x, y, tinted(ToQColor(GetSysColor(SystemColor::ButtonShadow))));
}

void ClearScreenDrawing(QWidget *widget)
{
    if (!widget)
        return;
    for (QWidget *layer : widget->findChildren<QWidget *>(ScreenLayer::kName)) {
        layer->hide();
        layer->setParent(nullptr);
        layer->deleteLater();
    }
}

int LiveGdiObjects() { return static_cast<int>(tables().contexts.size() + tables().objects.size()); }

} // namespace runtime
