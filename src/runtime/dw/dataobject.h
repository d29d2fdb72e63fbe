// Data object definitions: what a data window shows and where its rows come
// from.
//
// A data object names its columns, the select that fills them (or none, when
// the scripts supply the rows), the sort order, the table that Update writes
// back to, and the presentation objects that paint each band. Presentation
// objects keep their properties as texts under the runtime's own property
// names ("x", "font.weight", "background.color", ...), exactly as Modify and
// Describe read and write them; the builder functions below fill them in.
// Positions and sizes are in window units.
#pragma once

#include "runtime/draw/alignment.h"
#include "runtime/draw/colors.h"
#include "runtime/text/text.h"

#include <map>
#include <memory>
#include <vector>

namespace runtime {

struct ParsedObject;

// Date and DateTime values are texts "yyyy-mm-dd" and "yyyy-mm-dd hh:mm:ss".
enum class ColumnType { Char, Long, Number, Date, DateTime };

struct ColumnDef {
    String name;          // lower case
    ColumnType type = ColumnType::Char;
    int width = 0;        // characters of a char(n) column
};

enum class Band { Header, Detail, Summary, Footer };
enum class ObjectKind { Text, Column, Compute, Line, Rectangle, Picture };

// Colour numbers: r + 256 g + 65536 b, or one of the runtime's codes for
// system colours and transparency.
namespace Colors {
inline constexpr long Black = 0;
inline constexpr long White = 16777215;
inline constexpr long WindowText = 33554432;
inline constexpr long ButtonFace = 67108864;
inline constexpr long Transparent = 536870912;
inline constexpr long WindowBackground = 1073741824;
} // namespace Colors

// One presentation object. The setters return the object, so a definition
// reads as one statement per object.
class DrawObject {
public:
    DrawObject(ObjectKind kind, const String &name, Band band);

    ObjectKind kind() const { return kind_; }
    const String &name() const { return name_; }
    Band band() const { return band_; }

    // The property's text, "" when it is not set. Names are lower case.
    String get(const String &property) const;
    bool has(const String &property) const;
    // Returns false when the property already held that text.
    bool set(const String &property, const String &value);
    // Whether objects of this kind have the property at all.
    bool knows(const String &property) const;
    // Where the object keeps the text of a property already set (its name
    // in small letters), for setting it again through setAt without looking
    // it up; null when the property is not set. A property once set is never
    // removed, so the place stays valid for as long as the object lives.
    String *textOf(const String &property);
    // set() for a property whose text textOf gave.
    bool setAt(String &text, const String &property, const String &value);

    DrawObject &geometry(int x, int y, int width, int height);
    DrawObject &text(const String &text);
    // Face as the system names it ("宋体", "Arial"), size in points, weight
    // 400 normal / 700 bold, character set (134 GB2312, 0 ANSI).
    DrawObject &font(const String &face, int points, int weight = 400, int charset = 134);
    DrawObject &color(long color);
    // A property given as a default followed by an expression evaluated for
    // each row, as in "0\tif(x>1, 255, 0)".
    DrawObject &colorExpression(const String &expression);
    DrawObject &background(int mode, long color = Colors::Transparent);
    DrawObject &align(Alignment alignment);
    DrawObject &border(int border);
    DrawObject &visible(bool visible);
    DrawObject &tabOrder(int order);
    DrawObject &pen(int width, long color, int style = 0);
    DrawObject &brush(long color, int hatch = 6);
    DrawObject &picture(const String &fileName);
    DrawObject &property(const String &name, const String &value);

private:
    // The painter's parsed form of the properties (parsed_object.h), made
    // on first paint and dropped whenever a property changes.
    friend const ParsedObject &Parsed(const DrawObject &object);
    mutable std::shared_ptr<const ParsedObject> parsed_;

    ObjectKind kind_;
    String name_;
    Band band_;
    std::map<String, String> props_;
};

class DataObject {
public:
    explicit DataObject(const String &name = {});

    const String &name() const { return name_; }

    // Columns, in the order of the select's result columns.
    DataObject &column(const String &name, ColumnType type, int width = 0);
    const std::vector<ColumnDef> &columns() const { return columns_; }
    // 1-based number of a column (case-insensitive), 0 when there is none.
    int columnNumber(const String &name) const;

    // The select that fills the rows; empty for an external data object.
    DataObject &select(const String &sql);
    const String &selectText() const { return select_; }
    // "tx D, xh A, mno A": column names (or #n) with A ascending / D descending.
    DataObject &sort(const String &order);
    const String &sortOrder() const { return sort_; }
    // Where Update writes: the table, the key columns and the columns it sets.
    DataObject &update(const String &table, const std::vector<String> &keys, const std::vector<String> &updatable);
    const String &updateTable() const { return updateTable_; }
    const std::vector<String> &keyColumns() const { return keys_; }
    const std::vector<String> &updatableColumns() const { return updatable_; }

    DataObject &bandHeight(Band band, int height);
    int bandHeight(Band band) const;
    // The colour behind the bands.
    DataObject &background(long color);
    long backgroundColor() const { return background_; }

    // Presentation objects, painted in the order they are added.
    DrawObject &text(const String &name, Band band, int x, int y, int width, int height, const String &text);
    DrawObject &columnField(const String &column, Band band, int x, int y, int width, int height);
    DrawObject &compute(const String &name, Band band, int x, int y, int width, int height, const String &expression);
    DrawObject &line(const String &name, Band band, int x1, int y1, int x2, int y2);
    DrawObject &rectangle(const String &name, Band band, int x, int y, int width, int height);
    DrawObject &picture(const String &name, Band band, int x, int y, int width, int height, const String &fileName);

    std::vector<DrawObject> &objects() { return objects_; }
    const std::vector<DrawObject> &objects() const { return objects_; }
    DrawObject *object(const String &name);
    const DrawObject *object(const String &name) const;

private:
    DrawObject &add(ObjectKind kind, const String &name, Band band);

    // Positions of the objects by name, rebuilt when it no longer matches
    // the list (objects added, or the list changed through objects()).
    mutable std::map<String, size_t> index_;

    String name_;
    std::vector<ColumnDef> columns_;
    String select_;
    String sort_;
    String updateTable_;
    std::vector<String> keys_;
    std::vector<String> updatable_;
    int bandHeights_[4] = {0, 0, 0, 0};
    long background_ = Colors::WindowBackground;
    std::vector<DrawObject> objects_;
};

} // namespace runtime
