#include "runtime/ui/pictures.h"

#include <QApplication>
#include <QStyle>
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
    if (path.empty() || path.back() == '!')
        return {};
    std::replace(path.begin(), path.end(), '\\', '/');
    if (path.front() == ':')
        return QPixmap(ToQString(path));
    const QString resource = ":/" + ToQString(path);
    if (QFile::exists(resource))
        return QPixmap(resource);
    return QPixmap(ToQString(path));
}

} // namespace

QPixmap LoadPicture(const String &name) { return loader() ? loader()(name) : defaultLoad(name); }

void SetPictureLoader(PictureLoader l) { loader() = std::move(l); }

QIcon StockIcon(const String &name)
{
    if (Lower(name) == "appicon!")
        return QApplication::windowIcon();
    if (Lower(name) == "error!")
        return QApplication::style()->standardIcon(QStyle::SP_MessageBoxCritical);
    return {};
}

} // namespace runtime
