#include "runtime/text/datetime.h"

#include <QDateTime>

namespace runtime {

DateTime Now()
{
    const QDateTime now = QDateTime::currentDateTime();
    const QDate d = now.date();
    const QTime t = now.time();
    return {d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second()};
}

} // namespace runtime
