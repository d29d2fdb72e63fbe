// Browser strip: a light HTML view of one page, fetched through the page
// fetcher; a link in it to a web page (http or https) opens in the
// desktop's browser, any other link does nothing.
#pragma once

#include "runtime/ui/control.h"

class QTextBrowser;

namespace runtime {

class BrowserStrip : public Control {
public:
    BrowserStrip(ControlParent &parent, const String &name);

    // Starts loading the page and returns at once; the page shows when it
    // arrives, a short notice when it cannot be loaded.
    void Navigate(const String &url);
    const String &LocationURL() const { return url_; }

private:
    QTextBrowser *browser() const;
    String url_;
};

} // namespace runtime
