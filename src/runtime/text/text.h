// Text of the program: byte strings in code page 936.
//
// The program measures and cuts its texts in bytes (a Chinese character is
// two bytes), so every program string is a String of code-page-936 bytes.
// Text is converted to Unicode only where it reaches Qt and to UTF-8 only
// where it reaches the database.
#pragma once

#include <optional>
#include <string>
#include <string_view>

class QString;

namespace runtime {

// A code-page-936 byte string. It is a std::string with one addition: like
// the scripting language's String(number), it can be built from a number.
struct String : std::string {
    using std::string::string;
    String() = default;
    String(const std::string &s) : std::string(s) {}
    String(std::string &&s) : std::string(std::move(s)) {}
    String(std::string_view s) : std::string(s) {}
    explicit String(int n);
    explicit String(long n);
    explicit String(long long n);
    explicit String(double n);
};

// Byte length.
long Len(const String &s);
// The first n bytes (all when n exceeds the length, none when n <= 0).
String Left(const String &s, long n);
// At most n bytes from the left, without cutting a double-byte character in two.
String LeftWhole(const String &s, long n);
// The last n bytes.
String Right(const String &s, long n);
// n bytes from the 1-based position start; n < 0 means to the end.
String Mid(const String &s, long start, long n = -1);
// 1-based position of the first occurrence of find at or after start, 0 if none.
long Pos(const String &s, const String &find, long start = 1);
// Removes leading and trailing blanks (the character 32 only).
String Trim(const String &s);
String LeftTrim(const String &s);
String RightTrim(const String &s);
// Letter case of the ASCII letters; the bytes of double-byte characters stay.
String Upper(const String &s);
String Lower(const String &s);
// s repeated (and cut) to exactly n bytes.
String Fill(const String &s, long n);
// n blanks.
String Space(long n);
// The number in the text, 0 when the text is not a number (blanks around it are allowed).
int Integer(const String &s);
long Long(const String &s);
double Double(const String &s);
// True when the text is a number in the sense of Long/Double.
bool IsNumber(const String &s);

// Code-page-936 <-> Unicode. Characters that code page 936 lacks become '?'.
QString ToQString(const String &s);
String FromQString(const QString &s);
std::string ToUtf8(const String &s);
String FromUtf8(std::string_view utf8);
// Bytes in the named charset (any name iconv knows) as UTF-8; nothing when
// the charset is unknown. Bytes that cannot be read become '?'.
std::optional<std::string> CharsetToUtf8(std::string_view bytes, const std::string &charset);

} // namespace runtime
