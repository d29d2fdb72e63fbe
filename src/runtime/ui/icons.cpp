#include "runtime/ui/icons.h"

#include <QApplication>

namespace runtime {

QIcon StockIcon(const String &name)
{
    if (Lower(name) == "appicon!")
        return QApplication::windowIcon();
    return {};
}

} // namespace runtime
