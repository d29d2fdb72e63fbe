#include "runtime/net/browserstrip.h"

#include "runtime/net/inet.h"
#include "runtime/ui/urlopener.h"

#include <QPointer>
#include <QTextBrowser>

namespace runtime {

namespace {

// Pages of the maker's site are in code page 936 unless they say otherwise.
QString decodePage(const Blob &bytes)
{
    const String head = Lower(bytes.substr(0, 1024));
    if (Pos(head, "charset=utf-8") > 0 || Pos(head, "charset=\"utf-8\"") > 0)
        return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
    return ToQString(bytes);
}

} // namespace

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
    FetchPage(url, [view, url](std::optional<Blob> page) {
        if (!view)
            return;
        if (page)
            view->setHtml(decodePage(*page));
        else
            view->setPlainText(ToQString("无法显示此网页：" + url));
    });
}

} // namespace runtime
