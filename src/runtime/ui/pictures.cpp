#include "runtime/ui/pictures.h"

#include <QApplication>

namespace runtime {

QPixmap LoadPicture(const String &name)
{
    if (name.empty() || name.back() == '!')
        return {};
    QString path = ToQString(name);
    path.replace('\\', '/');
    if (!path.startsWith(':'))
        path.prepend(QStringLiteral(":/"));
    return QPixmap(path);
}

QIcon StockIcon(const String &name)
{
    if (Lower(name) == "appicon!")
        return QApplication::windowIcon();
    return {};
}

} // namespace runtime
