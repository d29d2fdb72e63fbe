#include "runtime/win32/icons.h"

#include "runtime/draw/stockpictures.h"
#include "runtime/win32/gdi_context.h"

#include <QPainter>

namespace runtime {

using namespace gdi_detail;

namespace {

const QImage *iconOf(IconHandle icon)
{
    auto found = tables().icons.find(icon);
    return found == tables().icons.end() ? nullptr : &found->second;
}

QImage *surfaceOf(DeviceContext hdc)
{
    Context *dc = contextOf(hdc);
    return dc ? gdi_detail::surfaceOf(*dc) : nullptr;
}

GdiObject bitmapOf(const QImage &image)
{
    if (image.isNull())
        return 0;
    Object bitmap;
    bitmap.bitmap = image.convertToFormat(QImage::Format_RGB32);
    const GdiObject handle = ++tables().next;
    tables().objects[handle] = bitmap;
    return handle;
}

} // namespace

IconHandle IconFromImage(const QImage &image)
{
    if (image.isNull())
        return 0;
    const IconHandle handle = ++tables().next;
    tables().icons[handle] = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    return handle;
}

GdiObject BitmapFromImage(const QImage &image, int width, int height)
{
    return image.isNull() ? 0 : bitmapOf(image.scaled(width, height));
}

IconHandle IconFromBitmap(GdiObject bitmap, int size, long maskColor)
{
    auto found = tables().objects.find(bitmap);
    if (found == tables().objects.end() || size <= 0)
        return 0;
    const QImage &source = found->second.bitmap;
    QImage icon(size, size, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    for (int y = 0; y < std::min(size, source.height()); ++y)
        for (int x = 0; x < std::min(size, source.width()); ++x) {
            const QColor c = source.pixelColor(x, y);
            if (RGB(c.red(), c.green(), c.blue()) != maskColor)
                icon.setPixelColor(x, y, c);
        }
    return IconFromImage(icon);
}

GdiObject LoadStockBitmap(long id) { return bitmapOf(StockBitmapImage(id)); }

IconHandle LoadStockIcon(long id) { return IconFromImage(StockIconImage(id)); }

bool DestroyIcon(IconHandle icon) { return tables().icons.erase(icon) > 0; }

bool IsIcon(IconHandle icon) { return iconOf(icon) != nullptr; }

void DrawIconEx(DeviceContext hdc, int x, int y, IconHandle icon, int width, int height)
{
    QImage *surface = surfaceOf(hdc);
    const QImage *image = iconOf(icon);
    if (!surface || !image)
        return;
    QPainter(surface).drawImage(QRect(x, y, width, height), *image);
}

void DrawDisabledIcon(DeviceContext hdc, int x, int y, IconHandle icon, int width, int height)
{
    QImage *surface = surfaceOf(hdc);
    const QImage *image = iconOf(icon);
    if (!surface || !image)
        return;
    DrawEmbossed(*surface, x, y, image->scaled(width, height));
}

} // namespace runtime
