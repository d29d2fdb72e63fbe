#include "app/n_internetresult.h"

#include "app/maker.h"

#include <QPointer>

int n_internetresult::InternetData(const runtime::Blob &data)
{
    is_data = data; // code page 936, unchanged
    return 1;
}

void of_show_maker_news(runtime::BrowserStrip &ole_strip)
{
    ole_strip.SetVisible(false);
    QPointer<runtime::BrowserStrip> strip = &ole_strip;
    runtime::FetchPage(kMakerHomePage, [strip](std::optional<runtime::Page> page) {
        if (!strip)
            return;
        n_internetresult lnv_result;
        if (page)
            lnv_result.InternetData(page->bytes);
        if (lnv_result.is_data == "")
            return;
        strip->SetVisible(true);
        strip->Navigate(kMakerNewsPage);
    });
}
