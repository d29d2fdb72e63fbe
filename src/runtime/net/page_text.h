// The text of a fetched page.
//
// A page's bytes are read in the charset its server names in the
// Content-Type header, else in the one a meta tag near its top names, else
// in GB18030 (which reads code page 936 and GB2312 too), as the maker's site
// writes its pages.
#pragma once

#include "runtime/net/inet.h"

#include <QString>

namespace runtime {

// The charset named after "charset=" in a header value or a tag's text
// (quotes, spaces and case as anyone writes them), lower-cased; "" if none.
std::string CharsetNamedIn(std::string_view text);

// The charset a page's meta tag names, looking as far as browsers do; "" if
// none.
std::string MetaCharset(std::string_view html);

QString PageText(const Page &page);

} // namespace runtime
