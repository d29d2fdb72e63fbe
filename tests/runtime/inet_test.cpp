// GetURL through the page fetcher: a page reaches the receiver, no answer
// leaves it untouched; the browser strip shows what the fetcher brings.
#include "runtime/net/browserstrip.h"
#include "runtime/net/inet.h"
#include "runtime/ui/window.h"

#include <QCoreApplication>
#include <QTextBrowser>
#include <gtest/gtest.h>

using namespace runtime;

namespace {

struct Receiver : InternetResult {
    std::vector<Blob> deliveries;
    int InternetData(const Blob &data) override
    {
        deliveries.push_back(data);
        return 1;
    }
};

class Fetching : public testing::Test {
protected:
    void SetUp() override
    {
        SetPageFetcher([this](const String &url, auto done) {
            asked.push_back(url);
            done(answer);
        });
    }
    void TearDown() override { SetPageFetcher(nullptr); }
    std::optional<Blob> answer;
    std::vector<String> asked;
};

TEST_F(Fetching, APageReachesTheReceiver)
{
    answer = Blob("<html>\xce\xac\xcd\xd8</html>");
    Receiver r;
    Inet inet;
    EXPECT_EQ(inet.GetURL("http://www.weituo-lianxi.example/", r), 1);
    EXPECT_EQ(asked, (std::vector<String>{"http://www.weituo-lianxi.example/"}));
    ASSERT_EQ(r.deliveries.size(), 1u);
    EXPECT_EQ(r.deliveries[0], *answer);
}

TEST_F(Fetching, NoAnswerDeliversNothing)
{
    Receiver r;
    Inet inet;
    EXPECT_EQ(inet.GetURL("http://www.weituo-lianxi.example/", r), -1);
    EXPECT_TRUE(r.deliveries.empty());
}

class w_strip : public Window {
public:
    w_strip() : Window("w_strip") {}
    BrowserStrip ole_web{*this, "ole_web"};
};
GlobalWindow<w_strip> strip;

TEST_F(Fetching, BrowserStripShowsThePage)
{
    answer = Blob("<html><body><p>\xbb\xb6\xd3\xad</p></body></html>"); // 欢迎 in code page 936
    Open(strip);
    strip->ole_web.Navigate("http://www.weituo-lianxi.example/news.html");
    auto *view = static_cast<QTextBrowser *>(strip->ole_web.widget());
    EXPECT_EQ(view->toPlainText(), ToQString("欢迎"));
    EXPECT_EQ(strip->ole_web.LocationURL(), "http://www.weituo-lianxi.example/news.html");
    Close(strip);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace
