#include "runtime/draw/stockpictures.h"

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

enum class Kind { Bitmap, Icon };

struct Stock {
    Kind kind;
    long id; // the resource id
    Draw draw; // on 32 by 32 pixels
};

// Every stock picture by its name in small letters.
const std::map<String, Stock> &stock()
{
    static const std::map<String, Stock> all = {
        {"application!",
         {Kind::Icon, 201, [](QPainter &p) {
             p.setPen(QPen(Qt::black, 1));
             p.setBrush(Qt::white);
             p.drawRect(3, 5, 26, 22);
             p.fillRect(4, 6, 25, 5, QColor(0, 0, 160));
             p.fillRect(23, 7, 4, 3, QColor(192, 192, 192));
         }}},
        {"custom006!",
         {Kind::Icon, 202, [](QPainter &p) {
             // A closed book with a bookmark.
             p.setPen(QPen(QColor(96, 0, 0), 1));
             p.setBrush(QColor(200, 40, 40));
             p.drawRect(6, 3, 20, 26);
             p.fillRect(7, 24, 18, 4, Qt::white);
             p.fillRect(10, 8, 12, 2, QColor(255, 220, 120));
             p.fillRect(10, 12, 12, 2, QColor(255, 220, 120));
             p.fillRect(21, 3, 3, 10, QColor(0, 120, 0));
         }}},
        {"alignleft!", {Kind::Bitmap, 101, [](QPainter &p) { rules(p, true); }}},
        {"alignright!", {Kind::Bitmap, 102, [](QPainter &p) { rules(p, false); }}},
        {"exit!",
         {Kind::Bitmap, 103, [](QPainter &p) {
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
         }}},
    };
    return all;
}

const Stock *stockOf(const String &name)
{
    const auto found = stock().find(Lower(Trim(name)));
    return found == stock().end() ? nullptr : &found->second;
}

const Stock *stockOf(long id, Kind kind)
{
    for (const auto &[name, picture] : stock())
        if (picture.id == id && picture.kind == kind)
            return &picture;
    return nullptr;
}

long idOf(const String &name, Kind kind)
{
    const Stock *picture = stockOf(name);
    return picture && picture->kind == kind ? picture->id : 0;
}

// The drawing on 32 by 32 pixels of a transparent ground.
QImage drawn(const Draw &draw)
{
    QImage image(32, 32, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p);
    return image;
}

// The ground of the stock bitmaps, a colour none of their pictures uses.
const QRgb bitmapGround = qRgb(255, 0, 255);

} // namespace

bool IsStockPictureName(const String &name) { return !name.empty() && name.back() == '!'; }

QPixmap StockPicture(const String &name)
{
    const Stock *picture = stockOf(name);
    return picture ? QPixmap::fromImage(drawn(picture->draw)) : QPixmap();
}

long StockBitmapId(const String &name) { return idOf(name, Kind::Bitmap); }

long StockIconId(const String &name) { return idOf(name, Kind::Icon); }

QImage StockBitmapImage(long id)
{
    const Stock *picture = stockOf(id, Kind::Bitmap);
    if (!picture)
        return {};
    // The picture made half as big; what is more covered than not is drawn,
    // opaque, the rest is ground.
    const QImage image = drawn(picture->draw)
                             .scaled(16, 16, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                             .convertToFormat(QImage::Format_ARGB32);
    QImage strip(32, 16, QImage::Format_RGB32);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const QRgb pixel = image.pixel(x, y);
            const int grey = qGray(pixel);
            const bool ground = qAlpha(pixel) < 128;
            strip.setPixel(x, y, ground ? bitmapGround : qRgb(qRed(pixel), qGreen(pixel), qBlue(pixel)));
            strip.setPixel(16 + x, y, ground ? bitmapGround : qRgb(grey, grey, grey));
        }
    return strip;
}

QImage StockIconImage(long id)
{
    const Stock *picture = stockOf(id, Kind::Icon);
    return picture ? drawn(picture->draw) : QImage();
}

} // namespace runtime
