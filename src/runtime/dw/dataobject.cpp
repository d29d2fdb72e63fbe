#include "runtime/dw/dataobject.h"

#include "runtime/dw/parsed_object.h"

#include <string_view>

#include <algorithm>
#include <set>

namespace runtime {

namespace {

const std::set<String> &propertiesOf(ObjectKind kind)
{
    static const std::set<String> common = {"name", "type", "band", "visible", "tag", "pointer"};
    static const std::set<String> box = {"x", "y", "width", "height", "color", "background.mode",
                                         "background.color", "border"};
    static const std::set<String> font = {"alignment", "font.face", "font.height", "font.weight",
                                          "font.charset", "font.italic", "font.underline"};
    static const std::set<String> pen = {"pen.style", "pen.width", "pen.color"};

    auto merge = [](std::initializer_list<const std::set<String> *> sets, std::set<String> own) {
        for (const auto *s : sets)
            own.insert(s->begin(), s->end());
        return own;
    };
    static const std::set<String> text = merge({&common, &box, &font}, {"text"});
    static const std::set<String> column = merge({&common, &box, &font}, {"id", "tabsequence", "format", "edit.limit"});
    static const std::set<String> compute = merge({&common, &box, &font}, {"expression", "format"});
    static const std::set<String> line = merge({&common, &pen}, {"x1", "y1", "x2", "y2"});
    static const std::set<String> rectangle = merge({&common, &box, &pen}, {"brush.color", "brush.hatch"});
    static const std::set<String> picture = merge({&common, &box}, {"filename", "invert"});

    switch (kind) {
    case ObjectKind::Text: return text;
    case ObjectKind::Column: return column;
    case ObjectKind::Compute: return compute;
    case ObjectKind::Line: return line;
    case ObjectKind::Rectangle: return rectangle;
    case ObjectKind::Picture: return picture;
    }
    return common;
}

const char *typeName(ObjectKind kind)
{
    switch (kind) {
    case ObjectKind::Text: return "text";
    case ObjectKind::Column: return "column";
    case ObjectKind::Compute: return "compute";
    case ObjectKind::Line: return "line";
    case ObjectKind::Rectangle: return "rectangle";
    case ObjectKind::Picture: return "bitmap";
    }
    return "";
}

const char *bandName(Band band)
{
    switch (band) {
    case Band::Header: return "header";
    case Band::Detail: return "detail";
    case Band::Summary: return "summary";
    case Band::Footer: return "footer";
    }
    return "";
}

} // namespace

DrawObject::DrawObject(ObjectKind kind, const String &name, Band band) : kind_(kind), name_(Lower(name)), band_(band)
{
    props_["visible"] = "1";
    switch (kind) {
    case ObjectKind::Text:
    case ObjectKind::Column:
    case ObjectKind::Compute:
        props_["color"] = String(Colors::Black);
        props_["background.mode"] = "1";
        props_["background.color"] = String(Colors::Transparent);
        props_["alignment"] = "0";
        props_["border"] = "0";
        props_["font.face"] = "宋体";
        props_["font.height"] = "-9";
        props_["font.weight"] = "400";
        props_["font.charset"] = "134";
        break;
    case ObjectKind::Line:
        props_["pen.style"] = "0";
        props_["pen.width"] = "1";
        props_["pen.color"] = String(Colors::Black);
        break;
    case ObjectKind::Rectangle:
        props_["pen.style"] = "0";
        props_["pen.width"] = "1";
        props_["pen.color"] = String(Colors::Black);
        props_["brush.color"] = String(Colors::White);
        props_["brush.hatch"] = "6";
        break;
    case ObjectKind::Picture:
        props_["border"] = "0";
        break;
    }
}

String DrawObject::get(const String &property) const
{
    const String p = Lower(property);
    if (p == "name")
        return name_;
    if (p == "type")
        return typeName(kind_);
    if (p == "band")
        return bandName(band_);
    auto it = props_.find(p);
    return it == props_.end() ? String() : it->second;
}

bool DrawObject::has(const String &property) const
{
    const String p = Lower(property);
    return p == "name" || p == "type" || p == "band" || props_.count(p) > 0;
}

bool DrawObject::set(const String &property, const String &value)
{
    // Scripts name properties in any case; the runtime itself in small
    // letters, which finds a property set before without making a copy.
    const auto known = props_.find(property);
    return setAt(known != props_.end() ? known->second : props_[Lower(property)], property, value);
}

String *DrawObject::textOf(const String &property)
{
    const auto known = props_.find(property);
    return known != props_.end() ? &known->second : nullptr;
}

bool DrawObject::setAt(String &text, const String &property, const String &value)
{
    if (text == value)
        return false; // the same text again: the parsed form still holds
    text = value;
    // A colour given as a plain number (a cell recoloured) changes that one
    // field of the parsed form; the rest (font, measured text) still holds.
    if (parsed_ && RecolouredInPlace(parsed_, property, value))
        return true;
    parsed_.reset();
    return true;
}

bool DrawObject::knows(const String &property) const
{
    const std::set<String> &known = propertiesOf(kind_);
    return known.count(property) > 0 || known.count(Lower(property)) > 0;
}

DrawObject &DrawObject::geometry(int x, int y, int width, int height)
{
    set("x", String(x));
    set("y", String(y));
    set("width", String(width));
    set("height", String(height));
    return *this;
}

DrawObject &DrawObject::text(const String &text) { return property("text", text); }

DrawObject &DrawObject::font(const String &face, int points, int weight, int charset)
{
    set("font.face", face);
    set("font.height", String(-points));
    set("font.weight", String(weight));
    return property("font.charset", String(charset));
}

DrawObject &DrawObject::color(long color) { return property("color", String(color)); }

DrawObject &DrawObject::colorExpression(const String &expression) { return property("color", expression); }

DrawObject &DrawObject::background(int mode, long color)
{
    set("background.mode", String(mode));
    return property("background.color", String(color));
}

DrawObject &DrawObject::align(Alignment alignment) { return property("alignment", String(static_cast<int>(alignment))); }

DrawObject &DrawObject::border(int border) { return property("border", String(border)); }

DrawObject &DrawObject::visible(bool visible) { return property("visible", visible ? "1" : "0"); }

DrawObject &DrawObject::tabOrder(int order) { return property("tabsequence", String(order)); }

DrawObject &DrawObject::pen(int width, long color, int style)
{
    set("pen.width", String(width));
    set("pen.style", String(style));
    return property("pen.color", String(color));
}

DrawObject &DrawObject::brush(long color, int hatch)
{
    set("brush.color", String(color));
    return property("brush.hatch", String(hatch));
}

DrawObject &DrawObject::picture(const String &fileName) { return property("filename", fileName); }

DrawObject &DrawObject::property(const String &name, const String &value)
{
    set(name, value);
    return *this;
}

DataObject::DataObject(const String &name) : name_(name) {}

DataObject &DataObject::column(const String &name, ColumnType type, int width)
{
    columns_.push_back({Lower(name), type, width});
    return *this;
}

namespace {

// Whether Lower(text) == lowered, without making the lowered copy: scripts
// name columns on every item they read.
bool equalsLowered(std::string_view text, std::string_view lowered)
{
    if (text.size() != lowered.size())
        return false;
    for (size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 0x81 && c <= 0xFE && i + 1 < text.size()) {
            // A double-byte character is kept as it is, trail byte and all.
            if (text[i] != lowered[i] || text[i + 1] != lowered[i + 1])
                return false;
            ++i;
            continue;
        }
        const char small = static_cast<char>((c >= 'A' && c <= 'Z') ? c + 32 : c);
        if (small != lowered[i])
            return false;
    }
    return true;
}

} // namespace

int DataObject::columnNumber(const String &name) const
{
    std::string_view n = name;
    const size_t first = n.find_first_not_of(' ');
    if (first == std::string_view::npos)
        n = {};
    else
        n = n.substr(first, n.find_last_not_of(' ') - first + 1);
    for (size_t i = 0; i < columns_.size(); ++i)
        if (equalsLowered(n, columns_[i].name))
            return static_cast<int>(i) + 1;
    return 0;
}

DataObject &DataObject::select(const String &sql)
{
    select_ = sql;
    return *this;
}

DataObject &DataObject::sort(const String &order)
{
    sort_ = order;
    return *this;
}

DataObject &DataObject::update(const String &table, const std::vector<String> &keys,
                               const std::vector<String> &updatable)
{
    updateTable_ = table;
    keys_.clear();
    updatable_.clear();
    for (const auto &k : keys)
        keys_.push_back(Lower(k));
    for (const auto &u : updatable)
        updatable_.push_back(Lower(u));
    return *this;
}

DataObject &DataObject::bandHeight(Band band, int height)
{
    bandHeights_[static_cast<int>(band)] = height;
    return *this;
}

int DataObject::bandHeight(Band band) const { return bandHeights_[static_cast<int>(band)]; }

DataObject &DataObject::background(long color)
{
    background_ = color;
    return *this;
}

DrawObject &DataObject::add(ObjectKind kind, const String &name, Band band)
{
    objects_.emplace_back(kind, name, band);
    return objects_.back();
}

DrawObject &DataObject::text(const String &name, Band band, int x, int y, int width, int height, const String &text)
{
    return add(ObjectKind::Text, name, band).geometry(x, y, width, height).text(text);
}

DrawObject &DataObject::columnField(const String &column, Band band, int x, int y, int width, int height)
{
    return add(ObjectKind::Column, column, band)
        .geometry(x, y, width, height)
        .property("id", String(columnNumber(column)))
        .property("tabsequence", "0");
}

DrawObject &DataObject::compute(const String &name, Band band, int x, int y, int width, int height,
                                const String &expression)
{
    return add(ObjectKind::Compute, name, band).geometry(x, y, width, height).property("expression", expression);
}

DrawObject &DataObject::line(const String &name, Band band, int x1, int y1, int x2, int y2)
{
    return add(ObjectKind::Line, name, band)
        .property("x1", String(x1))
        .property("y1", String(y1))
        .property("x2", String(x2))
        .property("y2", String(y2));
}

DrawObject &DataObject::rectangle(const String &name, Band band, int x, int y, int width, int height)
{
    return add(ObjectKind::Rectangle, name, band).geometry(x, y, width, height);
}

DrawObject &DataObject::picture(const String &name, Band band, int x, int y, int width, int height,
                                const String &fileName)
{
    return add(ObjectKind::Picture, name, band).geometry(x, y, width, height).picture(fileName);
}

DrawObject *DataObject::object(const String &name)
{
    auto indexed = [this](const String &n) -> DrawObject * {
        const auto known = index_.find(n);
        if (known != index_.end() && known->second < objects_.size() && objects_[known->second].name() == n)
            return &objects_[known->second];
        return nullptr;
    };
    // A name in small letters, as the runtime gives them, is found as it is.
    if (DrawObject *o = indexed(name))
        return o;
    const String n = Lower(name);
    if (DrawObject *o = indexed(n))
        return o;
    auto it = std::find_if(objects_.begin(), objects_.end(), [&](const DrawObject &o) { return o.name() == n; });
    if (it == objects_.end())
        return nullptr;
    // Found by searching: the list has changed since the index was made.
    index_.clear();
    for (size_t i = objects_.size(); i-- > 0;)
        index_[objects_[i].name()] = i; // the first of a name wins, as the search finds it
    return &*it;
}

const DrawObject *DataObject::object(const String &name) const
{
    return const_cast<DataObject *>(this)->object(name);
}

} // namespace runtime
