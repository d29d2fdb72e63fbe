#include "runtime/dw/builtins.h"

#include <QDateTime>
#include <QLocale>

#include <cctype>

namespace runtime {

namespace {

bool parseDateTime(const String &value, QDateTime &out)
{
    const QString s = ToQString(Trim(value));
    static const char *const formats[] = {"yyyy-MM-dd HH:mm:ss", "yyyy-MM-dd HH:mm:ss.zzz", "yyyy-MM-ddTHH:mm:ss",
                                          "yyyy-MM-dd HH:mm", "yyyy-MM-dd", "yyyy/MM/dd HH:mm:ss", "yyyy/MM/dd"};
    for (const char *f : formats) {
        out = QDateTime::fromString(s, QString::fromLatin1(f));
        if (out.isValid())
            return true;
    }
    return false;
}

String twoDigits(int n) { return String(n < 10 ? "0" + std::to_string(n) : std::to_string(n)); }

size_t run(const String &s, size_t i, char c)
{
    size_t n = 0;
    while (i + n < s.size() && std::tolower(static_cast<unsigned char>(s[i + n])) == c)
        ++n;
    return n;
}

bool startsWithNoCase(const String &s, size_t i, const char *word)
{
    for (size_t k = 0; word[k]; ++k)
        if (i + k >= s.size() || std::tolower(static_cast<unsigned char>(s[i + k])) != word[k])
            return false;
    return true;
}

// A call with too few or too many arguments is an error of the expression.
void arity(const String &name, const std::vector<Value> &args, size_t min, size_t max)
{
    if (args.size() < min || args.size() > max)
        throw ExpressionError("wrong number of arguments to " + ToUtf8(name));
}

// A function given a null argument returns null, as the language's functions do.
bool anyNull(const std::vector<Value> &args)
{
    for (const auto &a : args)
        if (a.isNull())
            return true;
    return false;
}

} // namespace

bool FormatDateTime(const String &value, const String &format, String &out)
{
    QDateTime dt;
    if (!parseDateTime(value, dt))
        return false;
    const QDate d = dt.date();
    const QTime t = dt.time();
    const bool twelveHour = Lower(format).find("am/pm") != std::string::npos;
    const QLocale english(QLocale::English);
    bool afterHour = false;
    out.clear();
    for (size_t i = 0; i < format.size();) {
        const unsigned char c = static_cast<unsigned char>(format[i]);
        if (c >= 0x81 && i + 1 < format.size()) { // a double-byte character stands for itself
            out += format.substr(i, 2);
            i += 2;
            continue;
        }
        const char lc = static_cast<char>(std::tolower(c));
        if (startsWithNoCase(format, i, "am/pm")) {
            const String ampm = t.hour() < 12 ? "am" : "pm";
            out += std::isupper(c) ? Upper(ampm) : ampm;
            i += 5;
            continue;
        }
        const size_t n = (lc == 'y' || lc == 'm' || lc == 'd' || lc == 'h' || lc == 's') ? run(format, i, lc) : 0;
        if (n == 0) {
            out += static_cast<char>(c);
            ++i;
            continue;
        }
        // m after an hour, or just before seconds, counts minutes.
        size_t after = i + n;
        while (after < format.size() && (format[after] == ':' || format[after] == ' '))
            ++after;
        const bool minutes = lc == 'm' && n <= 2 && (afterHour || (after < format.size() && std::tolower(static_cast<unsigned char>(format[after])) == 's'));
        switch (lc) {
        case 'y':
            out += n >= 3 ? String(d.year()) : twoDigits(d.year() % 100);
            break;
        case 'm':
            if (minutes)
                out += n == 2 ? twoDigits(t.minute()) : String(t.minute());
            else if (n >= 4)
                out += FromQString(english.monthName(d.month()));
            else if (n == 3)
                out += FromQString(english.monthName(d.month(), QLocale::ShortFormat));
            else
                out += n == 2 ? twoDigits(d.month()) : String(d.month());
            break;
        case 'd':
            if (n >= 4)
                out += FromQString(english.dayName(d.dayOfWeek()));
            else if (n == 3)
                out += FromQString(english.dayName(d.dayOfWeek(), QLocale::ShortFormat));
            else
                out += n == 2 ? twoDigits(d.day()) : String(d.day());
            break;
        case 'h': {
            int h = t.hour();
            if (twelveHour)
                h = h % 12 == 0 ? 12 : h % 12;
            out += n >= 2 ? twoDigits(h) : String(h);
            break;
        }
        case 's':
            out += n >= 2 ? twoDigits(t.second()) : String(t.second());
            break;
        }
        afterHour = lc == 'h' || (afterHour && minutes);
        i += n;
    }
    return true;
}

bool CallBuiltin(const String &name, const std::vector<Value> &args, const ExpressionContext &context, Value &result)
{
    if (name == "getrow") {
        arity(name, args, 0, 0);
        result = Value(context.row());
    } else if (name == "rowcount") {
        arity(name, args, 0, 0);
        result = Value(context.rowCount());
    } else if (name == "currentrow") {
        arity(name, args, 0, 0);
        result = Value(context.currentRow());
    } else if (name == "isnull") {
        arity(name, args, 1, 1);
        result = Value(args[0].isNull() ? 1 : 0);
    } else if (name == "string" || name == "bitmap") {
        arity(name, args, 1, name == "string" ? 2 : 1);
        String formatted;
        if (anyNull(args))
            result = Value();
        else if (args.size() == 2 && FormatDateTime(args[0].toString(), args[1].toString(), formatted))
            result = Value(formatted);
        else
            result = Value(args[0].toString());
    } else if (name == "daynumber") {
        arity(name, args, 1, 1);
        QDateTime dt;
        if (args[0].isNull() || !parseDateTime(args[0].toString(), dt))
            result = Value();
        else
            result = Value(dt.date().dayOfWeek() % 7 + 1); // Sunday 1 to Saturday 7
    } else if (name == "len") {
        arity(name, args, 1, 1);
        result = args[0].isNull() ? Value() : Value(Len(args[0].toString()));
    } else if (name == "trim" || name == "upper" || name == "lower") {
        arity(name, args, 1, 1);
        if (args[0].isNull())
            result = Value();
        else {
            const String s = args[0].toString();
            result = Value(name == "trim" ? Trim(s) : name == "upper" ? Upper(s) : Lower(s));
        }
    } else if (name == "left" || name == "right") {
        arity(name, args, 2, 2);
        if (anyNull(args))
            result = Value();
        else
            result = Value(name == "left" ? Left(args[0].toString(), args[1].toLong())
                                          : Right(args[0].toString(), args[1].toLong()));
    } else if (name == "mid") {
        arity(name, args, 2, 3);
        result = anyNull(args) ? Value()
                               : Value(Mid(args[0].toString(), args[1].toLong(), args.size() > 2 ? args[2].toLong() : -1));
    } else if (name == "pos") {
        arity(name, args, 2, 3);
        result = anyNull(args) ? Value()
                               : Value(Pos(args[0].toString(), args[1].toString(), args.size() > 2 ? args[2].toLong() : 1));
    } else if (name == "long" || name == "integer") {
        arity(name, args, 1, 1);
        if (args[0].isNull())
            result = Value();
        else
            result = Value(args[0].isText() ? static_cast<long long>(Long(args[0].toString())) : args[0].toLongLong());
    } else if (name == "real" || name == "double" || name == "number") {
        arity(name, args, 1, 1);
        result = args[0].isNull() ? Value() : Value(args[0].toDouble());
    } else {
        return false;
    }
    return true;
}

} // namespace runtime
