// Static hyperlink: a text that opens its address in the desktop's browser
// when clicked, after its clicked script has run.
#pragma once

#include "runtime/ui/statictext.h"

namespace runtime {

class StaticHyperLink : public StaticText {
public:
    StaticHyperLink(ControlParent &parent, const String &name);

    const String &URL() const { return url_; }
    void SetURL(const String &url) { url_ = url; }

private:
    String url_;
};

} // namespace runtime
