#include "runtime/ui/urlopener.h"

#include <QDesktopServices>
#include <QUrl>

namespace runtime {

namespace {
UrlOpener &opener()
{
    static UrlOpener o;
    return o;
}
} // namespace

void OpenUrl(const String &url)
{
    if (opener()) {
        opener()(url);
        return;
    }
    const QUrl address = QUrl::fromUserInput(ToQString(url));
    if (address.isValid())
        QDesktopServices::openUrl(address);
}

void SetUrlOpener(UrlOpener o) { opener() = std::move(o); }

} // namespace runtime
