// What a text looks like as drawn: the colour of its ink on a grabbed
// picture of the widget, for tests that check what the learner sees rather
// than a property.
#pragma once

#include <QColor>
#include <QHash>
#include <QImage>
#include <QRect>
#include <QWidget>

#include <cstdlib>

// The colour most pixels of the area have: the face behind the text.
inline QColor Face(const QImage &image, QRect area = {})
{
    if (area.isNull())
        area = image.rect();
    QHash<QRgb, int> counts;
    QRgb face = 0;
    int most = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (const int n = ++counts[image.pixel(x, y)]; n > most) {
                most = n;
                face = image.pixel(x, y);
            }
    return QColor(face);
}

// The ink in the area: the pixel farthest from the face. Glyph strokes are
// antialiased, so even the strongest pixel stays a little short of the pen.
inline QColor Ink(const QImage &image, QRect area = {})
{
    if (area.isNull())
        area = image.rect();
    const QColor face = Face(image, area);
    QColor ink = face;
    int farthest = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            const int d = std::abs(c.red() - face.red()) + std::abs(c.green() - face.green()) +
                          std::abs(c.blue() - face.blue());
            if (d > farthest) {
                farthest = d;
                ink = c;
            }
        }
    return ink;
}

inline QColor Ink(QWidget *widget) { return Ink(widget->grab().toImage()); }

// Whether a drawn ink is the pen's colour, within the antialiasing's shortfall.
inline bool InkIs(QColor ink, QColor pen)
{
    return std::abs(ink.red() - pen.red()) <= 40 && std::abs(ink.green() - pen.green()) <= 40 &&
           std::abs(ink.blue() - pen.blue()) <= 40;
}
