// The state behind device contexts and drawing objects, shared by the files
// that draw through them.
#pragma once

#include "runtime/draw/colors.h"
#include "runtime/win32/gdi.h"

#include <QFont>
#include <QImage>
#include <QPoint>
#include <QPointer>
#include <QWidget>

#include <map>
#include <set>

namespace runtime::gdi_detail {

struct Context {
    QPointer<QWidget> window; // null for a memory context
    QImage screen;            // what a window context has drawn so far
    GdiObject font = 0;
    GdiObject bitmap = 0; // the bitmap selected into a memory context
    long textColor = 0;
    long backColor = RGB(255, 255, 255);
    BackgroundMode mode = BackgroundMode::Opaque;
    QImage *target = nullptr; // the image of a context made over one
    GdiObject pen = 0;        // 0: the stock black pen
    GdiObject brush = 0;      // 0: the stock white brush
    QPoint position;          // where the next line starts
};

struct Object {
    QImage bitmap;
    QFont font;
    bool isFont = false;
};

// The bitmap every memory context is made with.
constexpr GdiObject kStockBitmap = 1;
// The font every context is made with, which SelectObject hands back when no
// font had been selected.
constexpr GdiObject kDefaultFont = 2;

struct Tables {
    unsigned long next = 100;
    std::map<DeviceContext, Context> contexts;
    std::map<GdiObject, Object> objects;     // bitmaps made by programs
    std::map<WindowHandle, GdiObject> fonts; // windows' own fonts
    std::map<GdiObject, QFont> fontOf;
    std::map<GdiObject, QColor> pens, brushes; // invalid colour: a null pen or brush
    std::set<GdiObject> stock;                 // never deleted
    std::map<unsigned long, QImage> icons;
};

Tables &tables();

Context *contextOf(DeviceContext hdc);

// The image a context draws into; null when it has none.
QImage *surfaceOf(Context &dc);

// Draws a shape the way disabled pictures look: its opaque pixels in the
// highlight colour one pixel down and right, then in the shadow colour.
void DrawEmbossed(QImage &surface, int x, int y, const QImage &shape);

} // namespace runtime::gdi_detail
