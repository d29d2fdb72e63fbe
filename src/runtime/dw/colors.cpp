#include "runtime/dw/colors.h"

#include <QApplication>
#include <QPalette>

namespace runtime {

QColor ColorFromNumber(long number)
{
    const unsigned long n = static_cast<unsigned long>(number);
    const QPalette palette = QApplication::palette();
    switch (n >> 24) {
    case 0x00:
        return QColor(static_cast<int>(n & 0xFF), static_cast<int>((n >> 8) & 0xFF), static_cast<int>((n >> 16) & 0xFF));
    case 0x02:
        return palette.color(QPalette::WindowText);
    case 0x04:
        return palette.color(QPalette::Button);
    case 0x10:
        return palette.color(QPalette::Dark);
    case 0x20:
        return QColor(); // transparent
    case 0x40:
        return palette.color(QPalette::Base);
    default:
        return QColor(static_cast<int>(n & 0xFF), static_cast<int>((n >> 8) & 0xFF), static_cast<int>((n >> 16) & 0xFF));
    }
}

} // namespace runtime
