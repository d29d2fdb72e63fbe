#include "runtime/ui/icons.h"

#include <QApplication>
#include <QStyle>

namespace runtime {

QIcon StockIcon(const String &name)
{
    if (Lower(name) == "appicon!")
        return QApplication::windowIcon();
    if (Lower(name) == "error!")
        return QApplication::style()->standardIcon(QStyle::SP_MessageBoxCritical);
    return {};
}

} // namespace runtime
