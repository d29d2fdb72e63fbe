// GetURL through the page fetcher: a page reaches the receiver, no answer
// leaves it untouched; the browser strip shows what the fetcher brings and
// opens only the links of its page that lead to web pages.
#include "replaced.h"
#include "runtime/net/browserstrip.h"
#include "runtime/net/inet.h"
#include "runtime/ui/urlopener.h"
#include "runtime/ui/window.h"
#include "test_windows.h"

#include <QTest>
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
    void TearDown() override
    {
        CloseAllWindows();
        SetPageFetcher(nullptr);
    }
    std::optional<Page> answer;
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
    EXPECT_EQ(r.deliveries[0], answer->bytes);
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
}

// The strip reads a page in the charset its server's header names, else the
// one its meta tag names however it is spelled, else GB18030.
TEST_F(Fetching, BrowserStripReadsThePageInItsCharset)
{
    const std::string utf8 = "\xe6\xac\xa2\xe8\xbf\x8e"; // 欢迎 in UTF-8
    const std::string gbk = "\xbb\xb6\xd3\xad";            // 欢迎 in GB2312/GBK/GB18030
    const std::string gbkOnly = "\x95\x4e";                  // 昇, outside GB2312
    const struct {
        const char *what;
        std::string contentType;
        std::string page;
        std::string shown; // UTF-8
    } cases[] = {
        {"header only", "text/html; charset=UTF-8", "<p>" + utf8 + "</p>", utf8},
        {"header quoted, spaced", "text/html;Charset = \"utf-8\"", "<p>" + utf8 + "</p>", utf8},
        {"header beats meta", "text/html; charset=utf-8", "<meta charset=gbk><p>" + utf8 + "</p>", utf8},
        {"meta charset", "text/html", "<html><head><META CHARSET='UTF8'></head><p>" + utf8 + "</p>", utf8},
        {"meta http-equiv", "",
         "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=UTF-8\"><p>" + utf8 + "</p>", utf8},
        {"gb2312 label with a GBK character", "", "<meta charset=\"gb2312\"><p>" + gbk + gbkOnly + "</p>",
         utf8 + "\xe6\x98\x87"},
        {"unknown header charset, meta next", "text/html; charset=no-such-set",
         "<meta charset=utf-8><p>" + utf8 + "</p>", utf8},
        {"nothing named", "text/html", "<p>" + gbk + "</p>", utf8},
        {"charset in the body text is not a meta tag", "", "<p>" + gbk + " charset=utf-8</p>",
         utf8 + " charset=utf-8"},
    };
    Open(strip);
    auto *view = static_cast<QTextBrowser *>(strip->ole_web.widget());
    for (const auto &c : cases) {
        answer = Page(c.page, c.contentType);
        strip->ole_web.Navigate("http://www.weituo-lianxi.example/news.html");
        EXPECT_EQ(view->toPlainText(), QString::fromUtf8(c.shown.data(), static_cast<qsizetype>(c.shown.size())))
            << c.what;
    }
}

// A click on a link of the page, where the strip shows it: a link to a web
// page opens in the desktop's browser, a relative one on the page's site;
// a link to a file, a mail address, a script or another program's handler
// opens nothing, whatever the page says.
TEST_F(Fetching, BrowserStripOpensOnlyLinksToWebPages)
{
    const struct {
        const char *href;
        const char *opened; // "" for nothing
    } cases[] = {
        {"http://www.weituo-lianxi.example/a.html", "http://www.weituo-lianxi.example/a.html"},
        {"HTTPS://bbs.weituo-lianxi.example/read-7-0.html", "https://bbs.weituo-lianxi.example/read-7-0.html"},
        {"more/b.html", "http://www.weituo-lianxi.example/news/more/b.html"},
        {"//www.weituo-jiakao.example/", "http://www.weituo-jiakao.example/"},
        {"file:///etc/passwd", ""},
        {"FILE:/home", ""},
        {"mailto:kefu@weituo-lianxi.example", ""},
        {"javascript:alert(1)", ""},
        {"smb://server/share/setup.exe", ""},
        {"ms-settings:privacy", ""},
        {"x-launch:run?program=sh", ""},
        {"http:///etc/passwd", ""},
    };
    std::vector<String> opened;
    Replaced opener(SetUrlOpener, [&](const String &url) { opened.push_back(url); });
    Open(strip);
    strip->ole_web.Resize(2000, 400);
    auto *view = static_cast<QTextBrowser *>(strip->ole_web.widget());
    for (const auto &c : cases) {
        SCOPED_TRACE(c.href);
        answer = Blob(std::string("<p>news <a href=\"") + c.href + "\">read more</a></p>");
        strip->ole_web.Navigate("http://www.weituo-lianxi.example/news/index.html");
        const QTextCursor link = view->document()->find("read more");
        ASSERT_FALSE(link.isNull());
        QTextCursor middle(view->document());
        middle.setPosition(link.selectionStart() + 3);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->cursorRect(middle).center());
        EXPECT_EQ(opened, std::string(c.opened).empty() ? std::vector<String>{} : std::vector<String>{c.opened});
        opened.clear();
    }
}

} // namespace
