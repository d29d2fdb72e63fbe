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

bool OpenUrl(const String &url)
{
    if (opener()) {
        opener()(url);
        return true;
    }
    const QUrl address = QUrl::fromUserInput(ToQString(url));
    return address.isValid() && QDesktopServices::openUrl(address);
}

void SetUrlOpener(UrlOpener o) { opener() = std::move(o); }

} // namespace runtime
