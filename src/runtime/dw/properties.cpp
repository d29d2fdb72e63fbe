// Describe and Modify: the runtime's text syntax for reading and changing the
// properties of a data window and its presentation objects.
//
//   Describe("t_1.Text line_1.x1 Evaluate('len(name)', 1)")
//   Modify("t_7.Text='A' t_101.Background.Mode='0' st_mess.text=\"...\"")
//
// Object and property names are case-insensitive. A value is quoted with '
// or " (with ~ escapes inside) or is one word up to the next blank.
#include "runtime/dw/datastore.h"

#include <algorithm>
#include <cctype>
#include <set>

namespace runtime {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Properties whose value is a number, or a number followed by a tab and an
// expression that gives the value row by row.
bool isNumeric(const String &property)
{
    static const std::set<String> numeric = {"x", "y", "width", "height", "x1", "y1", "x2", "y2", "color",
                                             "background.mode", "background.color", "border", "alignment",
                                             "font.height", "font.weight", "font.charset", "pen.width",
                                             "pen.style", "pen.color", "brush.color", "brush.hatch",
                                             "tabsequence", "visible"};
    return numeric.count(property) > 0;
}

// Properties that only colour what an object draws where it draws it.
bool isColour(const String &property)
{
    return property == "background.mode" || property == "background.color" || property == "color";
}

// A number, or a number followed by a tab and an expression.
bool validNumber(const String &value)
{
    const size_t tab = value.find('\t');
    const String number = tab == std::string::npos ? value : String(value.substr(0, tab));
    // Most values are plain digits, as colours and positions are written.
    const bool digits = !number.empty() && std::all_of(number.begin(), number.end(), [](char c) {
        return c >= '0' && c <= '9';
    });
    return digits || IsNumber(number);
}

bool validValue(const String &property, const String &value) { return !isNumeric(property) || validNumber(value); }

// The text in small letters: the text itself when it has no capital to
// lower (the runtime's own names), else a lowered copy kept in lowered.
const String &inSmallLetters(const String &text, String &lowered)
{
    if (std::none_of(text.begin(), text.end(), [](char c) { return c >= 'A' && c <= 'Z'; }))
        return text;
    lowered = Lower(text);
    return lowered;
}

// Reads a value at s[i]: quoted, or a word. Returns false for an unclosed quote.
bool readValue(const String &s, size_t &i, String &value)
{
    if (i < s.size() && (s[i] == '\'' || s[i] == '"')) {
        const char quote = s[i++];
        const size_t start = i;
        while (i < s.size() && s[i] != quote) {
            if (s[i] == '~' || static_cast<unsigned char>(s[i]) >= 0x81)
                ++i; // an escaped character or the second byte of a double-byte one
            ++i;
        }
        if (i >= s.size())
            return false;
        const std::string_view quoted = std::string_view(s).substr(start, i - start);
        if (quoted.find('~') == std::string_view::npos)
            value.assign(quoted);
        else
            value = DecodeTildes(quoted);
        ++i;
        return true;
    }
    const size_t start = i;
    while (i < s.size() && !isBlank(s[i]))
        ++i;
    value = s.substr(start, i - start);
    return true;
}

String syntaxError(size_t column) { return "Line 1  Column " + std::to_string(column + 1) + ": incorrect syntax."; }

int bandOf(const String &name)
{
    static const char *const bands[] = {"header", "detail", "summary", "footer"};
    for (int b = 0; b < 4; ++b)
        if (name == bands[b])
            return b;
    return -1;
}

const char *columnTypeName(const ColumnDef &c)
{
    switch (c.type) {
    case ColumnType::Char: return "char";
    case ColumnType::Long: return "long";
    case ColumnType::Number: return "number";
    case ColumnType::Date: return "date";
    case ColumnType::DateTime: return "datetime";
    }
    return "";
}

} // namespace

String DataStore::describeOne(const String &item) const
{
    const String lower = Lower(item);

    // Evaluate('expression', row)
    if (lower.rfind("evaluate(", 0) == 0 && item.back() == ')') {
        size_t i = 9;
        String expression;
        if (!readValue(item, i, expression))
            return "!";
        while (i < item.size() && (isBlank(item[i]) || item[i] == ','))
            ++i;
        const long row = Long(item.substr(i, item.size() - 1 - i));
        try {
            return EvaluateFor(expression, row).toString();
        } catch (const std::exception &) {
            return "!";
        }
    }

    const size_t dot = lower.find('.');
    if (dot == std::string::npos)
        return "!";
    const String target = lower.substr(0, dot);
    const String property = lower.substr(dot + 1);

    if (target == "datawindow") {
        if (property == "table.select")
            return object_.selectText();
        if (property == "table.sort")
            return object_.sortOrder().empty() ? "?" : object_.sortOrder();
        if (property == "table.updatetable")
            return object_.updateTable().empty() ? "?" : object_.updateTable();
        if (property == "verticalscrollmaximum")
            return String(VerticalScrollMaximum());
        if (property == "verticalscrollposition")
            return String(VerticalScrollPosition());
        if (property == "column.count")
            return String(static_cast<long>(object_.columns().size()));
        if (property == "color")
            return String(object_.backgroundColor());
        if (property.size() > 7 && property.compare(property.size() - 7, 7, ".height") == 0) {
            const int band = bandOf(property.substr(0, property.size() - 7));
            if (band >= 0)
                return String(object_.bandHeight(static_cast<Band>(band)));
        }
        return "!";
    }

    if (const DrawObject *o = object_.object(target)) {
        if (!o->knows(property))
            return "!";
        return o->has(property) ? o->get(property) : String("?");
    }
    if (const int c = object_.columnNumber(target)) {
        const ColumnDef &col = object_.columns()[static_cast<size_t>(c - 1)];
        if (property == "coltype")
            return col.type == ColumnType::Char ? "char(" + std::to_string(col.width) + ")" : columnTypeName(col);
        if (property == "id")
            return String(c);
        if (property == "name" || property == "dbname")
            return col.name;
        return "!";
    }
    return "!";
}

String DataStore::Describe(const String &request) const
{
    String result;
    size_t i = 0;
    bool first = true;
    while (true) {
        while (i < request.size() && isBlank(request[i]))
            ++i;
        if (i >= request.size())
            break;
        // One item runs to the next blank outside quotes and parentheses.
        const size_t start = i;
        int depth = 0;
        char quote = 0;
        for (; i < request.size(); ++i) {
            const char c = request[i];
            if (quote) {
                if (c == '~')
                    ++i;
                else if (c == quote)
                    quote = 0;
            } else if (c == '\'' || c == '"') {
                quote = c;
            } else if (c == '(') {
                ++depth;
            } else if (c == ')') {
                --depth;
            } else if (isBlank(c) && depth <= 0) {
                break;
            }
        }
        if (!first)
            result += '\n';
        result += describeOne(request.substr(start, i - start));
        first = false;
    }
    return result;
}

String DataStore::modifyOne(const String &target, const String &value, bool &ok, bool &wholeWindow,
                             std::vector<const DrawObject *> &recoloured, bool &changed)
{
    ok = false;
    const auto known = modifyTargets_.find(target);
    if (known != modifyTargets_.end())
        return setTargetProperty(known->second, value, ok, recoloured, changed);

    String lowered;
    const String &lower = inSmallLetters(target, lowered);
    const size_t dot = lower.find('.');
    if (dot == std::string::npos)
        return "incorrect syntax";
    const String name = lower.substr(0, dot);
    const String property = lower.substr(dot + 1);

    if (name == "datawindow") {
        wholeWindow = true;
        if (property == "verticalscrollposition") {
            if (!IsNumber(value))
                return "invalid value";
            SetVerticalScrollPosition(Long(value));
        } else if (property == "table.select") {
            if (SetSQLSelect(value) != 1)
                return "invalid select";
        } else if (property == "table.sort") {
            if (SetSort(value) != 1)
                return "invalid sort";
        } else if (property == "color") {
            if (!IsNumber(value))
                return "invalid value";
            object_.background(Long(value));
        } else if (property.size() > 7 && property.compare(property.size() - 7, 7, ".height") == 0 &&
                   bandOf(property.substr(0, property.size() - 7)) >= 0) {
            if (!IsNumber(value))
                return "invalid value";
            object_.bandHeight(static_cast<Band>(bandOf(property.substr(0, property.size() - 7))), static_cast<int>(Long(value)));
        } else {
            return "unknown property " + property;
        }
        ok = true;
        return {};
    }

    DrawObject *o = object_.object(name);
    if (!o)
        return "unknown object " + name;
    if (!o->knows(property) || property == "name" || property == "type" || property == "band" || property == "id")
        return "unknown property " + property;
    ModifyTarget &t = modifyTargets_[target] = {static_cast<size_t>(o - object_.objects().data()), property,
                                                nullptr, isNumeric(property), isColour(property)};
    return setTargetProperty(t, value, ok, recoloured, changed);
}

String DataStore::setTargetProperty(ModifyTarget &t, const String &value, bool &ok,
                                    std::vector<const DrawObject *> &recoloured, bool &changed)
{
    if (t.numeric && !validNumber(value))
        return "invalid value for " + t.property;
    DrawObject &o = object_.objects()[t.object];
    // The property's text is reached directly once it has been set: a card
    // recoloured cell by cell sets the same few properties again and again.
    const bool changedNow = t.text ? o.setAt(*t.text, t.property, value) : o.set(t.property, value);
    if (!t.text)
        t.text = o.textOf(t.property);
    if (changedNow) {
        if (t.colour)
            recoloured.push_back(&o);
        else
            changed = true;
    }
    ok = true;
    return {};
}

String DataStore::setProperty(DrawObject &o, const String &property, const String &value, bool &ok,
                              std::vector<const DrawObject *> &recoloured, bool &changed)
{
    if (!validValue(property, value))
        return "invalid value for " + property;
    if (o.set(property, value)) {
        if (isColour(property))
            recoloured.push_back(&o);
        else
            changed = true;
    }
    ok = true;
    return {};
}

String DataStore::Modify(const String &changes)
{
    // The control is told once, after the changes: only the data window's
    // own properties can move its rows or scrolling, and a change of colours
    // alone leaves every object where and as large as it was. A property
    // set to the value it holds changes nothing.
    bool wholeWindow = false;
    bool changed = false;
    std::vector<const DrawObject *> recoloured;
    auto tell = [&] {
        if (wholeWindow)
            contentChanged();
        else if (changed)
            objectsChanged();
        else if (!recoloured.empty())
            objectsRecoloured(recoloured);
    };
    size_t i = 0;
    while (true) {
        while (i < changes.size() && isBlank(changes[i]))
            ++i;
        if (i >= changes.size())
            break;
        const size_t start = i;
        while (i < changes.size() && changes[i] != '=' && !isBlank(changes[i]))
            ++i;
        const String target = changes.substr(start, i - start);
        while (i < changes.size() && isBlank(changes[i]))
            ++i;
        if (i >= changes.size() || changes[i] != '=') {
            tell();
            return syntaxError(i);
        }
        ++i;
        while (i < changes.size() && isBlank(changes[i]))
            ++i;
        String value;
        const size_t valueStart = i;
        if (!readValue(changes, i, value)) {
            tell();
            return syntaxError(valueStart);
        }
        bool ok;
        const String error = modifyOne(target, value, ok, wholeWindow, recoloured, changed);
        if (!ok) {
            tell();
            return "Line 1  Column " + std::to_string(start + 1) + ": " + error;
        }
    }
    tell();
    return {};
}

} // namespace runtime
