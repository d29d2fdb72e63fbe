#include "runtime/net/inet.h"

#include "runtime/script/script_state.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTimer>

#include <memory>

namespace runtime {

namespace {

PageFetcher &fetcher()
{
    static PageFetcher f;
    return f;
}

void fetchFromNetwork(const String &url, PageDone done)
{
    static QNetworkAccessManager *manager = new QNetworkAccessManager;
    QNetworkRequest request(QUrl::fromUserInput(ToQString(url)));
    request.setTransferTimeout(static_cast<int>(kGetUrlTimeout.count()));
    QNetworkReply *reply = manager->get(request);
    QObject::connect(reply, &QNetworkReply::finished, reply, [reply, done = std::move(done)] {
        reply->deleteLater();
        if (reply->error() != QNetworkReply::NoError) {
            done(std::nullopt);
            return;
        }
        const QByteArray bytes = reply->readAll();
        done(Page(Blob(bytes.constData(), static_cast<size_t>(bytes.size())),
                  reply->header(QNetworkRequest::ContentTypeHeader).toString().toStdString()));
    });
}

} // namespace

void SetPageFetcher(PageFetcher f) { fetcher() = std::move(f); }

void FetchPage(const String &url, PageDone done)
{
    if (fetcher())
        fetcher()(url, std::move(done));
    else
        fetchFromNetwork(url, std::move(done));
}

int Inet::GetURL(const String &url, InternetResult &result)
{
    // The answer, shared with the fetch: one that comes after the time-out
    // finds nobody waiting and is dropped.
    struct Answer {
        bool arrived = false;
        std::optional<Page> page;
        QEventLoop *loop = nullptr;
    };
    auto answer = std::make_shared<Answer>();
    FetchPage(url, [answer](std::optional<Page> page) {
        answer->arrived = true;
        answer->page = std::move(page);
        if (answer->loop)
            answer->loop->quit();
    });
    if (!answer->arrived) {
        QEventLoop loop;
        QTimer::singleShot(kGetUrlTimeout, &loop, &QEventLoop::quit);
        answer->loop = &loop;
        RunNestedLoop([&] { loop.exec(QEventLoop::ExcludeUserInputEvents); });
        answer->loop = nullptr;
    }
    if (!answer->arrived || !answer->page) {
        answer->arrived = true; // a late answer is dropped
        return -1;
    }
    result.InternetData(answer->page->bytes);
    return 1;
}

} // namespace runtime
