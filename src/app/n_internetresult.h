// The receiver of a web fetch: keeps the data of the last delivery as text,
// for the window that asked whether the maker's site answers.
#pragma once

#include "runtime/net/browserstrip.h"
#include "runtime/net/inet.h"

class n_internetresult : public runtime::InternetResult {
public:
    runtime::String is_data;

    int InternetData(const runtime::Blob &data) override;
};

// Asks whether the maker's site answers and, when it does, shows the strip
// with the maker's news; when it does not, the strip stays hidden. The
// window never waits for the network: the strip is hidden until the answer
// comes, and an answer that comes after the window has closed is dropped.
void of_show_maker_news(runtime::BrowserStrip &ole_strip);
