#include "runtime/net/page_text.h"

#include <algorithm>
#include <cctype>

namespace runtime {

namespace {

// How far into a page browsers look for its meta charset.
constexpr size_t kMetaScanBytes = 1024;

std::string lower(std::string_view s)
{
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return std::tolower(c); });
    return out;
}

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f'; }

// Labels that name code page 936 or a subset of it: read as GB18030, which
// reads all of them, as browsers do.
std::string decoderFor(const std::string &charset)
{
    if (charset == "gb2312" || charset == "gbk" || charset == "x-gbk" || charset == "cp936" || charset == "gb_2312-80"
        || charset == "chinese" || charset == "csgb2312" || charset == "iso-ir-58")
        return "gb18030";
    if (charset == "utf8")
        return "utf-8";
    return charset;
}

} // namespace

std::string CharsetNamedIn(std::string_view text)
{
    const std::string s = lower(text);
    for (size_t at = s.find("charset"); at != std::string::npos; at = s.find("charset", at + 1)) {
        size_t i = at + 7;
        while (i < s.size() && isSpace(s[i]))
            ++i;
        if (i >= s.size() || s[i] != '=')
            continue;
        ++i;
        while (i < s.size() && isSpace(s[i]))
            ++i;
        if (i < s.size() && (s[i] == '"' || s[i] == '\''))
            ++i;
        size_t end = i;
        while (end < s.size() && (std::isalnum(static_cast<unsigned char>(s[end])) || s[end] == '-' || s[end] == '_'
                                  || s[end] == '.' || s[end] == ':'))
            ++end;
        if (end > i)
            return s.substr(i, end - i);
    }
    return "";
}

std::string MetaCharset(std::string_view html)
{
    const std::string head = lower(html.substr(0, kMetaScanBytes));
    for (size_t at = head.find("<meta"); at != std::string::npos; at = head.find("<meta", at + 5)) {
        const size_t end = head.find('>', at);
        const std::string charset =
            CharsetNamedIn(std::string_view(head).substr(at, end == std::string::npos ? std::string::npos : end - at));
        if (!charset.empty())
            return charset;
    }
    return "";
}

QString PageText(const Page &page)
{
    for (const std::string &charset : {CharsetNamedIn(page.contentType), MetaCharset(page.bytes), std::string("gb18030")}) {
        if (charset.empty())
            continue;
        if (const auto utf8 = CharsetToUtf8(page.bytes, decoderFor(charset)))
            return QString::fromUtf8(utf8->data(), static_cast<qsizetype>(utf8->size()));
    }
    return ToQString(page.bytes);
}

} // namespace runtime
