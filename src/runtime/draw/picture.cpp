#include "runtime/draw/picture.h"

#include "runtime/draw/stockpictures.h"

#include <QFile>

#include <algorithm>

namespace runtime {

namespace {

PictureLoader &loader()
{
    static PictureLoader l;
    return l;
}

QPixmap defaultLoad(const String &name)
{
    String path = Trim(name);
    if (path.empty())
        return {};
    if (IsStockPictureName(path))
        return StockPicture(path);
    std::replace(path.begin(), path.end(), '\\', '/');
    const QString resource = ":/" + ToQString(path);
    if (QFile::exists(resource))
        return QPixmap(resource);
    return QPixmap(ToQString(path));
}

} // namespace

void SetPictureLoader(PictureLoader l) { loader() = std::move(l); }

QPixmap LoadPicture(const String &name) { return loader() ? loader()(name) : defaultLoad(name); }

} // namespace runtime
