// The data store: the rows of a data object and everything the scripts do
// with them, without a window.
//
// Rows are numbered from 1. Reading or writing an item of a row or column
// that does not exist is a run-time error (RuntimeError InvalidRowOrColumn);
// the other functions report failure by their result, as the scripts expect:
// -1 for failure, otherwise a row number, count or 1.
//
// Every item remembers whether the scripts changed it, and every row whether
// it came from the database or was inserted, so that Update writes back just
// the changed rows, by key, with the values bound as parameters.
#pragma once

#include <source_location>

#include "runtime/db/value.h"
#include "runtime/dw/dataobject.h"
#include "runtime/dw/expression.h"

#include <map>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace runtime {

class Transaction;

enum class ItemStatus { NotModified, DataModified, New, NewModified };

class DataStore {
public:
    DataStore();
    explicit DataStore(const DataObject &object);
    virtual ~DataStore();
    DataStore(const DataStore &) = delete;
    DataStore &operator=(const DataStore &) = delete;

    // The definition; setting it drops all rows and the transaction stays.
    void SetDataObject(const DataObject &object);
    const DataObject &dataObject() const { return object_; }
    const String &DataObjectName() const { return object_.name(); }

    long SetTransObject(Transaction &transaction);
    // Replaces the rows with those of the select, sorted by the sort order;
    // the number of rows, or -1 when there is no transaction, no select or
    // the select fails (the transaction's SQLCode and SQLErrText tell why).
    long Retrieve();
    long RowCount() const { return static_cast<long>(rows_.size()); }
    // Inserts an empty row before row `before` (0: after the last row);
    // returns its number, -1 for a row that does not exist.
    long InsertRow(long before);
    // Deletes a row (0: the current row); Update deletes it from the table
    // if it came from there. 1, or -1 for a row that does not exist.
    long DeleteRow(long row);
    // Drops all rows without writing anything.
    long Reset();
    // Writes deleted, changed and new rows back to the update table, all in
    // one go: 1 when every statement succeeded (the statuses are then
    // cleared), -1 when any failed (nothing is written, the statuses stay).
    // With resetFlags false the statuses stay after a success too, for a
    // caller whose transaction may still take the writes back; it calls
    // ResetUpdate once they are committed.
    long Update(bool accept = true, bool resetFlags = true);
    // Forgets all changes: rows count as retrieved and unchanged.
    long ResetUpdate();
    // Takes over text being typed into the control; the data store has none.
    virtual long AcceptText() { return 1; }

    // The item functions take where they were called from, which a run-time
    // error of theirs reports.
    Value GetItem(long row, const String &column, std::source_location where = std::source_location::current()) const;
    Value GetItem(long row, int column, std::source_location where = std::source_location::current()) const;
    String GetItemString(long row, const String &column, std::source_location where = std::source_location::current()) const;
    String GetItemString(long row, int column, std::source_location where = std::source_location::current()) const;
    double GetItemNumber(long row, const String &column, std::source_location where = std::source_location::current()) const;
    double GetItemNumber(long row, int column, std::source_location where = std::source_location::current()) const;
    // Sets an item: 1, or -1 when the value does not fit the column's type.
    long SetItem(long row, const String &column, const Value &value, std::source_location where = std::source_location::current());
    long SetItem(long row, int column, const Value &value, std::source_location where = std::source_location::current());
    // Status of an item, or of the row with column 0 / "".
    ItemStatus GetItemStatus(long row, const String &column, std::source_location where = std::source_location::current()) const;
    ItemStatus GetItemStatus(long row, int column, std::source_location where = std::source_location::current()) const;

    // The first row from start to end (backwards when end < start) for which
    // the expression is true; 0 when none is, -1 when the expression is bad.
    long Find(const String &expression, long start, long end) const;
    // A sort order such as "tx D, mno A": 1, or -1 when it names no column.
    long SetSort(const String &order);
    long Sort();

    String GetSQLSelect() const { return object_.selectText(); }
    long SetSQLSelect(const String &sql);

    // Properties of the presentation objects and the data window, in the
    // runtime's syntax: Describe("t_1.Text t_1.X") gives the values one per
    // line, "!" for an unknown object or property and "?" for a property
    // that has no value; Modify("t_1.Text='a' t_1.Color=255") gives "" or
    // the text of the first error.
    String Describe(const String &request) const;
    String Modify(const String &changes);

    long GetRow() const { return currentRow_; }
    // Makes a row the current row: 1, or -1 for a row that does not exist.
    long SetRow(long row);
    // Makes a row current and scrolls it into view; a row past the end goes
    // to the last row. 1, or -1 when row is below 1.
    long ScrollToRow(long row);

    // Vertical scrolling of the detail area, in vertical window units.
    long VerticalScrollPosition() const { return scrollPosition_; }
    long VerticalScrollMaximum() const;
    void SetVerticalScrollPosition(long position);

    // The value an expression gives for a row (for painting and Describe).
    Value EvaluateFor(const String &expression, long row) const;
    // Total height of the header, all detail rows, summary and footer.
    int contentHeight() const;

protected:
    // The height of the detail area the control shows; a data store shows
    // everything.
    virtual int visibleDetailHeight() const;
    // Called after anything that changes what a control would show.
    virtual void contentChanged() {}
    // Called after Modify changed only properties of presentation objects:
    // the rows, bands and scrolling stand as they were.
    virtual void objectsChanged() { contentChanged(); }
    // Called after Modify changed only the colours of these objects (their
    // background, their text's colour): nothing moved, grew or took another
    // text, so what they cover is all that looks different.
    virtual void objectsRecoloured(const std::vector<const DrawObject *> &) { objectsChanged(); }
    virtual void rowFocusChanged(long /*row*/) {}
    virtual void scrolled(long /*position*/) {}

private:
    struct RowData {
        std::vector<Value> values;
        std::vector<Value> original; // as retrieved, for the key of an update
        std::vector<bool> modified;
        bool isNew = false;
        bool anyModified() const;
    };
    struct SortKey {
        int column;
        bool descending;
    };

    const RowData &rowAt(long row, std::source_location where = std::source_location::current()) const;
    int columnIndex(const String &column, std::source_location where = std::source_location::current()) const;
    int columnIndex(int column, std::source_location where = std::source_location::current()) const;
    long setItemAt(long row, int index, const Value &value, std::source_location where);
    RowData newRow() const;
    void sortRows();
    void setCurrentRow(long row);
    bool parseSort(const String &order, std::vector<SortKey> &keys) const;
    String describeOne(const String &item) const;
    // One change of Modify. A property of the data window itself sets
    // wholeWindow; a presentation object whose property took a new value
    // goes to recoloured when only its colours changed, else sets changed.
    String modifyOne(const String &target, const String &value, bool &ok, bool &wholeWindow,
                     std::vector<const DrawObject *> &recoloured, bool &changed);
    // Sets a known property of an object to a value Modify gave.
    String setProperty(DrawObject &object, const String &property, const String &value, bool &ok,
                       std::vector<const DrawObject *> &recoloured, bool &changed);
    // The same for a target found before, whose kind of property is known.
    struct ModifyTarget;
    String setTargetProperty(ModifyTarget &target, const String &value, bool &ok,
                             std::vector<const DrawObject *> &recoloured, bool &changed);
    bool writeRow(Transaction &t, const RowData &row, bool remove);

    // A property of a presentation object as Modify named it, found before:
    // scripts change the same properties over and over.
    struct ModifyTarget {
        size_t object; // in the data object's objects
        String property;
        String *text = nullptr; // where the object keeps the property's text, once set
        bool numeric = false;   // the value must be a number
        bool colour = false;    // the property only colours the object
    };
    struct TargetHash {
        size_t operator()(const String &s) const { return std::hash<std::string_view>{}(s); }
    };

    DataObject object_;
    // Found by the target's text as the script wrote it, by hash: a script
    // recolouring a card of 100 cells names 200 targets at a time. Which
    // objects object_ holds changes only in SetDataObject, which forgets
    // these: Modify changes properties, never adds or removes an object, so
    // an object's place and a property's text stay where they were found.
    std::unordered_map<String, ModifyTarget, TargetHash> modifyTargets_;
    Transaction *transaction_ = nullptr;
    std::vector<RowData> rows_;
    std::vector<RowData> deleted_;
    std::vector<SortKey> sort_;
    long currentRow_ = 0;
    long scrollPosition_ = 0;
};

} // namespace runtime
