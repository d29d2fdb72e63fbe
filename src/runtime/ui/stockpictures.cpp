#include "runtime/ui/stockpictures.h"

#include <QPainter>
#include <QPainterPath>

#include <functional>
#include <map>

namespace runtime {

namespace {

using Draw = std::function<void(QPainter &)>;

// Horizontal rules of text, flush to one side.
void rules(QPainter &p, bool left)
{
    p.setPen(QPen(QColor(0, 0, 128), 3, Qt::SolidLine, Qt::FlatCap));
    const int lengths[] = {24, 16, 24, 12, 20};
    for (int i = 0; i < 5; ++i) {
        const int y = 6 + i * 5;
        const int l = lengths[i];
        p.drawLine(left ? 4 : 28 - l, y, left ? 4 + l : 28, y);
    }
}

const std::map<String, Draw> &drawings()
{
    static const std::map<String, Draw> all = {
        {"application!",
         [](QPainter &p) {
             p.setPen(QPen(Qt::black, 1));
             p.setBrush(Qt::white);
             p.drawRect(3, 5, 26, 22);
             p.fillRect(4, 6, 25, 5, QColor(0, 0, 160));
             p.fillRect(23, 7, 4, 3, QColor(192, 192, 192));
         }},
        {"custom006!",
         [](QPainter &p) {
             // A closed book with a bookmark.
             p.setPen(QPen(QColor(96, 0, 0), 1));
             p.setBrush(QColor(200, 40, 40));
             p.drawRect(6, 3, 20, 26);
             p.fillRect(7, 24, 18, 4, Qt::white);
             p.fillRect(10, 8, 12, 2, QColor(255, 220, 120));
             p.fillRect(10, 12, 12, 2, QColor(255, 220, 120));
             p.fillRect(21, 3, 3, 10, QColor(0, 120, 0));
         }},
        {"alignleft!", [](QPainter &p) { rules(p, true); }},
        {"alignright!", [](QPainter &p) { rules(p, false); }},
        {"exit!",
         [](QPainter &p) {
             // An open door and an arrow leaving through it.
             p.setPen(QPen(Qt::black, 1));
             p.setBrush(QColor(160, 100, 40));
             p.drawRect(4, 3, 14, 26);
             p.setBrush(QColor(90, 50, 20));
             QPainterPath door;
             door.moveTo(4, 3);
             door.lineTo(11, 7);
             door.lineTo(11, 31);
             door.lineTo(4, 29);
             door.closeSubpath();
             p.drawPath(door);
             p.setPen(QPen(QColor(0, 140, 0), 3, Qt::SolidLine, Qt::FlatCap));
             p.drawLine(14, 16, 27, 16);
             p.setPen(Qt::NoPen);
             p.setBrush(QColor(0, 140, 0));
             p.drawPolygon(QPolygon({QPoint(23, 10), QPoint(30, 16), QPoint(23, 22)}));
         }},
    };
    return all;
}

} // namespace

bool IsStockPictureName(const String &name) { return !name.empty() && name.back() == '!'; }

QPixmap StockPicture(const String &name)
{
    const auto found = drawings().find(Lower(Trim(name)));
    if (found == drawings().end())
        return {};
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    found->second(p);
    return pixmap;
}

} // namespace runtime
