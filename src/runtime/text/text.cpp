#include "runtime/text/text.h"

#include <QString>

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <iconv.h>

namespace runtime {

String::String(int n) : std::string(std::to_string(n)) {}
String::String(long n) : std::string(std::to_string(n)) {}
String::String(long long n) : std::string(std::to_string(n)) {}
String::String(double n)
{
    // The shortest text that reads back as the same number, without a
    // trailing ".0" for whole numbers.
    if (std::isfinite(n) && n == std::floor(n) && std::fabs(n) < 1e15) {
        assign(std::to_string(static_cast<long long>(n)));
        return;
    }
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.15g", n);
    assign(buf);
}

long Len(const String &s) { return static_cast<long>(s.size()); }

String Left(const String &s, long n)
{
    if (n <= 0)
        return {};
    return s.substr(0, static_cast<size_t>(n));
}

String LeftWhole(const String &s, long n)
{
    long end = 0;
    while (end < Len(s)) {
        const auto c = static_cast<unsigned char>(s[static_cast<size_t>(end)]);
        const long width = (c >= 0x81 && c <= 0xFE && end + 1 < Len(s)) ? 2 : 1;
        if (end + width > n)
            break;
        end += width;
    }
    return Left(s, end);
}

String Right(const String &s, long n)
{
    if (n <= 0)
        return {};
    if (static_cast<size_t>(n) >= s.size())
        return s;
    return s.substr(s.size() - static_cast<size_t>(n));
}

String Mid(const String &s, long start, long n)
{
    if (start < 1 || static_cast<size_t>(start) > s.size() || n == 0)
        return {};
    if (n < 0)
        return s.substr(static_cast<size_t>(start - 1));
    return s.substr(static_cast<size_t>(start - 1), static_cast<size_t>(n));
}

long Pos(const String &s, const String &find, long start)
{
    if (start < 1 || static_cast<size_t>(start) > s.size() + 1 || find.empty())
        return 0;
    const size_t at = s.find(find, static_cast<size_t>(start - 1));
    return at == std::string::npos ? 0 : static_cast<long>(at + 1);
}

String LeftTrim(const String &s)
{
    const size_t first = s.find_first_not_of(' ');
    return first == std::string::npos ? String() : String(s.substr(first));
}

String RightTrim(const String &s)
{
    const size_t last = s.find_last_not_of(' ');
    return last == std::string::npos ? String() : String(s.substr(0, last + 1));
}

String Trim(const String &s) { return LeftTrim(RightTrim(s)); }

namespace {

// A lead byte of a double-byte character in code page 936.
bool isLeadByte(unsigned char c) { return c >= 0x81 && c <= 0xFE; }

template <typename Map>
String mapAsciiLetters(const String &s, Map map)
{
    String out = s;
    for (size_t i = 0; i < out.size(); ++i) {
        const auto c = static_cast<unsigned char>(out[i]);
        if (isLeadByte(c) && i + 1 < out.size()) {
            ++i; // keep the trail byte, which may look like an ASCII letter
            continue;
        }
        out[i] = static_cast<char>(map(c));
    }
    return out;
}

} // namespace

String Upper(const String &s)
{
    return mapAsciiLetters(s, [](unsigned char c) { return (c >= 'a' && c <= 'z') ? c - 32 : c; });
}

String Lower(const String &s)
{
    return mapAsciiLetters(s, [](unsigned char c) { return (c >= 'A' && c <= 'Z') ? c + 32 : c; });
}

String Fill(const String &s, long n)
{
    if (n <= 0 || s.empty())
        return {};
    String out;
    out.reserve(static_cast<size_t>(n));
    while (static_cast<long>(out.size()) < n)
        out += s;
    out.resize(static_cast<size_t>(n));
    return out;
}

String Space(long n) { return n <= 0 ? String() : String(static_cast<size_t>(n), ' '); }

namespace {

bool parseNumber(const String &s, double &value)
{
    const String t = Trim(s);
    if (t.empty())
        return false;
    const char *first = t.data();
    const char *last = t.data() + t.size();
    if (*first == '+')
        ++first;
    if (first == last)
        return false;
    auto [ptr, ec] = std::from_chars(first, last, value);
    return ec == std::errc() && ptr == last && std::isfinite(value);
}

} // namespace

bool IsNumber(const String &s)
{
    double v;
    return parseNumber(s, v);
}

double Double(const String &s)
{
    double v = 0;
    return parseNumber(s, v) ? v : 0.0;
}

long Long(const String &s)
{
    double v = 0;
    if (!parseNumber(s, v) || v >= 2147483648.0 || v < -2147483648.0)
        return 0;
    return static_cast<long>(v);
}

int Integer(const String &s)
{
    double v = 0;
    if (!parseNumber(s, v) || v >= 32768.0 || v < -32768.0)
        return 0;
    return static_cast<int>(v);
}

namespace {

// One converter per direction and thread; iconv_open is too costly to repeat
// for every text the windows draw.
class Converter {
public:
    Converter(const char *to, const char *from) : cd_(iconv_open(to, from)) {}
    bool known() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
    ~Converter()
    {
        if (cd_ != reinterpret_cast<iconv_t>(-1))
            iconv_close(cd_);
    }
    Converter(const Converter &) = delete;
    Converter &operator=(const Converter &) = delete;

    // Converts in; a byte sequence that cannot be converted becomes '?'.
    std::string run(std::string_view in)
    {
        std::string out;
        if (cd_ == reinterpret_cast<iconv_t>(-1) || in.empty())
            return std::string(in);
        out.resize(in.size() * 2 + 8);
        char *src = const_cast<char *>(in.data());
        size_t srcLeft = in.size();
        size_t used = 0;
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        while (srcLeft > 0) {
            char *dst = out.data() + used;
            size_t dstLeft = out.size() - used;
            const size_t r = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
            used = out.size() - dstLeft;
            if (r != static_cast<size_t>(-1))
                break;
            if (errno == E2BIG) {
                out.resize(out.size() * 2);
            } else {
                // EILSEQ or EINVAL: skip one byte of a sequence we cannot read.
                if (out.size() - used < 1)
                    out.resize(out.size() * 2);
                out[used++] = '?';
                ++src;
                --srcLeft;
                iconv(cd_, nullptr, nullptr, nullptr, nullptr);
            }
        }
        out.resize(used);
        return out;
    }

private:
    iconv_t cd_;
};

Converter &toUtf8Converter()
{
    thread_local Converter c("UTF-8", "CP936");
    return c;
}

Converter &fromUtf8Converter()
{
    thread_local Converter c("CP936//TRANSLIT", "UTF-8");
    return c;
}

bool isAscii(std::string_view s)
{
    for (char c : s)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

} // namespace

std::string ToUtf8(const String &s)
{
    if (isAscii(s))
        return s;
    return toUtf8Converter().run(s);
}

String FromUtf8(std::string_view utf8)
{
    if (isAscii(utf8))
        return String(utf8);
    return fromUtf8Converter().run(utf8);
}

QString ToQString(const String &s)
{
    const std::string u = ToUtf8(s);
    return QString::fromUtf8(u.data(), static_cast<qsizetype>(u.size()));
}

std::optional<std::string> CharsetToUtf8(std::string_view bytes, const std::string &charset)
{
    Converter c("UTF-8", charset.c_str());
    if (!c.known())
        return std::nullopt;
    return c.run(bytes);
}

String FromQString(const QString &s)
{
    const QByteArray u = s.toUtf8();
    return FromUtf8(std::string_view(u.constData(), static_cast<size_t>(u.size())));
}

} // namespace runtime
