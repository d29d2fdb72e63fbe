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
    QObject::connect(browser(), &QTextBrowser::anchorClicked, this,
                     [](const QUrl &link) { OpenUrl(FromQString(link.toString())); });
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
