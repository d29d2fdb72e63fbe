#include "runtime/net/browserstrip.h"

#include "runtime/net/inet.h"
#include "runtime/net/page_text.h"
#include "runtime/ui/urlopener.h"

#include <QPointer>
#include <QTextBrowser>

namespace runtime {

BrowserStrip::BrowserStrip(ControlParent &parent, const String &name) : Control(parent, name, new QTextBrowser)
{
    browser()->setOpenLinks(false);
    browser()->setFrameStyle(QFrame::NoFrame);
    // The page comes over the network and may have been tampered with: a
    // link opens only when it leads to a web page. One that would open a
    // file, write a mail or start another program is ignored. A link given
    // relative to the page leads to a page of the same site.
    QObject::connect(browser(), &QTextBrowser::anchorClicked, this, [this](const QUrl &link) {
        const QUrl target = QUrl(ToQString(url_)).resolved(link);
        const QString scheme = target.scheme().toLower();
        if ((scheme == "http" || scheme == "https") && !target.host().isEmpty())
            OpenUrl(FromQString(target.toString()));
    });
}

QTextBrowser *BrowserStrip::browser() const { return static_cast<QTextBrowser *>(widget()); }

void BrowserStrip::Navigate(const String &url)
{
    url_ = url;
    QPointer<QTextBrowser> view = browser();
    FetchPage(url, [view, url](std::optional<Page> page) {
        if (!view)
            return;
        if (page)
            view->setHtml(PageText(*page));
        else
            view->setPlainText(ToQString("无法显示此网页：" + url));
    });
}

} // namespace runtime
