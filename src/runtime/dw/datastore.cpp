#include "runtime/dw/datastore.h"

#include "runtime/db/transaction.h"
#include "runtime/dw/row_context.h"
#include "runtime/script/error.h"

#include <algorithm>
#include <cmath>

namespace runtime {

namespace {

// The value as the column keeps it; false when it cannot be.
bool coerce(const Value &in, ColumnType type, Value &out)
{
    if (in.isNull()) {
        out = in;
        return true;
    }
    switch (type) {
    case ColumnType::Char:
    case ColumnType::Date:
    case ColumnType::DateTime:
        out = Value(in.toString());
        return true;
    case ColumnType::Long:
        if (in.isText() && !IsNumber(in.toString()))
            return false;
        out = Value(in.isDecimal() ? static_cast<long long>(std::llround(in.toDouble())) : in.toLongLong());
        return true;
    case ColumnType::Number:
        if (in.isText() && !IsNumber(in.toString()))
            return false;
        if (in.isInteger())
            out = in;
        else
            out = Value(in.toDouble());
        return true;
    }
    return false;
}

// Null sorts before every value; numbers by value, texts by their bytes.
int compareForSort(const Value &a, const Value &b)
{
    if (a.isNull() || b.isNull())
        return a.isNull() == b.isNull() ? 0 : (a.isNull() ? -1 : 1);
    if (!a.isText() && !b.isText()) {
        const double x = a.toDouble(), y = b.toDouble();
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    const int c = a.toString().compare(b.toString());
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

} // namespace

bool DataStore::RowData::anyModified() const
{
    return std::find(modified.begin(), modified.end(), true) != modified.end();
}

DataStore::DataStore() = default;

DataStore::DataStore(const DataObject &object) { SetDataObject(object); }

DataStore::~DataStore() = default;

void DataStore::SetDataObject(const DataObject &object)
{
    object_ = object;
    modifyTargets_.clear();
    rows_.clear();
    deleted_.clear();
    currentRow_ = 0;
    scrollPosition_ = 0;
    sort_.clear();
    parseSort(object_.sortOrder(), sort_);
    contentChanged();
}

long DataStore::SetTransObject(Transaction &transaction)
{
    transaction_ = &transaction;
    return 1;
}

long DataStore::Retrieve()
{
    if (!transaction_ || Trim(object_.selectText()).empty())
        return -1;
    ResultSet rs = transaction_->Query(object_.selectText());
    rows_.clear();
    deleted_.clear();
    scrollPosition_ = 0;
    if (transaction_->SQLCode != 0) {
        setCurrentRow(0);
        contentChanged();
        return -1;
    }
    const auto &columns = object_.columns();
    rows_.reserve(rs.rows.size());
    for (auto &source : rs.rows) {
        RowData row = newRow();
        row.isNew = false;
        for (size_t c = 0; c < columns.size() && c < source.size(); ++c)
            if (!coerce(source[c], columns[c].type, row.values[c]))
                row.values[c] = Value();
        row.original = row.values;
        rows_.push_back(std::move(row));
    }
    sortRows();
    setCurrentRow(rows_.empty() ? 0 : 1);
    contentChanged();
    return RowCount();
}

DataStore::RowData DataStore::newRow() const
{
    RowData row;
    const size_t n = object_.columns().size();
    row.values.resize(n);
    row.original.resize(n);
    row.modified.assign(n, false);
    row.isNew = true;
    return row;
}

long DataStore::InsertRow(long before)
{
    if (before < 0 || before > RowCount())
        return -1;
    const long at = before == 0 ? RowCount() + 1 : before;
    rows_.insert(rows_.begin() + (at - 1), newRow());
    if (currentRow_ == 0)
        setCurrentRow(1);
    else if (currentRow_ >= at && before != 0)
        ++currentRow_; // the current row moved down with its data
    contentChanged();
    return at;
}

long DataStore::DeleteRow(long row)
{
    if (row == 0)
        row = currentRow_;
    if (row < 1 || row > RowCount())
        return -1;
    RowData removed = std::move(rows_[static_cast<size_t>(row - 1)]);
    rows_.erase(rows_.begin() + (row - 1));
    if (!removed.isNew)
        deleted_.push_back(std::move(removed));
    long current = currentRow_;
    if (current > row)
        --current; // the current row moved up with its data
    setCurrentRow(std::min(current, RowCount()));
    SetVerticalScrollPosition(scrollPosition_);
    contentChanged();
    return 1;
}

long DataStore::Reset()
{
    rows_.clear();
    deleted_.clear();
    scrollPosition_ = 0;
    setCurrentRow(0);
    contentChanged();
    return 1;
}

long DataStore::ResetUpdate()
{
    deleted_.clear();
    for (auto &row : rows_) {
        row.isNew = false;
        row.original = row.values;
        std::fill(row.modified.begin(), row.modified.end(), false);
    }
    return 1;
}

bool DataStore::writeRow(Transaction &t, const RowData &row, bool remove)
{
    const auto &columns = object_.columns();
    const String &table = object_.updateTable();
    std::vector<Value> params;
    String sql;

    auto keyCondition = [&](String &where) {
        for (const String &key : object_.keyColumns()) {
            const int k = object_.columnNumber(key) - 1;
            where += (where.empty() ? " where " : " and ") + key + " = ?";
            params.push_back(row.original[static_cast<size_t>(k)]);
        }
    };
    auto isUpdatable = [&](size_t c) {
        const auto &u = object_.updatableColumns();
        return std::find(u.begin(), u.end(), columns[c].name) != u.end();
    };

    if (remove) {
        String where;
        keyCondition(where);
        sql = "delete from " + table + where;
    } else if (row.isNew) {
        String names, marks;
        for (size_t c = 0; c < columns.size(); ++c) {
            const bool key = std::find(object_.keyColumns().begin(), object_.keyColumns().end(), columns[c].name) !=
                             object_.keyColumns().end();
            if (!row.modified[c] || !(key || isUpdatable(c)))
                continue;
            names += (names.empty() ? "" : ", ") + columns[c].name;
            marks += marks.empty() ? "?" : ", ?";
            params.push_back(row.values[c]);
        }
        if (names.empty())
            return true;
        sql = "insert into " + table + " (" + names + ") values (" + marks + ")";
    } else {
        String sets;
        for (size_t c = 0; c < columns.size(); ++c) {
            if (!row.modified[c] || !isUpdatable(c))
                continue;
            sets += (sets.empty() ? "" : ", ") + columns[c].name + " = ?";
            params.push_back(row.values[c]);
        }
        if (sets.empty())
            return true;
        String where;
        keyCondition(where);
        sql = "update " + table + " set " + sets + where;
    }
    t.Execute(sql, params);
    if (t.SQLCode != 0)
        return false;
    if (!row.isNew && t.SQLNRows != 1) {
        // The row is gone from the table or its key is not unique: writing
        // it would change some other row or nothing at all.
        t.SQLCode = -1;
        t.SQLErrText = "Row changed between retrieve and update.";
        return false;
    }
    return true;
}

long DataStore::Update(bool accept, bool resetFlags)
{
    if ((accept && AcceptText() != 1) || !transaction_ || object_.updateTable().empty() || object_.keyColumns().empty())
        return -1;
    Transaction &t = *transaction_;
    // Every row is written or none is. A commit the database refuses
    // (another program's lock, a full disk) takes the rows back too, so no
    // transaction stays open for the program's later statements to wait in
    // uncommitted. Inside a caller's scope, the caller's commit stores them.
    TransactionScope writes(t, ScopeEnd::TakeBack);
    bool ok = writes.IsOpen();
    for (const auto &row : deleted_)
        if (ok && !row.isNew)
            ok = writeRow(t, row, true);
    for (const auto &row : rows_)
        if (ok && row.anyModified())
            ok = writeRow(t, row, false);
    if (!ok || !writes.Commit()) {
        t.SQLNRows = 0;
        return -1; // SQLCode and SQLErrText tell why
    }
    if (resetFlags)
        ResetUpdate();
    return 1;
}

const DataStore::RowData &DataStore::rowAt(long row, std::source_location where) const
{
    if (row < 1 || row > RowCount())
        Raise(ErrorNumber::InvalidRowOrColumn, where);
    return rows_[static_cast<size_t>(row - 1)];
}

int DataStore::columnIndex(const String &column, std::source_location where) const
{
    const int n = object_.columnNumber(column);
    if (n == 0)
        Raise(ErrorNumber::InvalidRowOrColumn, where);
    return n - 1;
}

int DataStore::columnIndex(int column, std::source_location where) const
{
    if (column < 1 || column > static_cast<int>(object_.columns().size()))
        Raise(ErrorNumber::InvalidRowOrColumn, where);
    return column - 1;
}

Value DataStore::GetItem(long row, const String &column, std::source_location where) const
{
    const int c = columnIndex(column, where);
    return rowAt(row, where).values[static_cast<size_t>(c)];
}

Value DataStore::GetItem(long row, int column, std::source_location where) const
{
    const int c = columnIndex(column, where);
    return rowAt(row, where).values[static_cast<size_t>(c)];
}

// The item read where it lies, not copied first.
String DataStore::GetItemString(long row, const String &column, std::source_location where) const
{
    const int c = columnIndex(column, where);
    return rowAt(row, where).values[static_cast<size_t>(c)].toString();
}
String DataStore::GetItemString(long row, int column, std::source_location where) const
{
    const int c = columnIndex(column, where);
    return rowAt(row, where).values[static_cast<size_t>(c)].toString();
}
double DataStore::GetItemNumber(long row, const String &column, std::source_location where) const
{
    return GetItem(row, column, where).toDouble();
}
double DataStore::GetItemNumber(long row, int column, std::source_location where) const
{
    return GetItem(row, column, where).toDouble();
}

long DataStore::setItemAt(long row, int index, const Value &value, std::source_location where)
{
    rowAt(row, where);
    RowData &r = rows_[static_cast<size_t>(row - 1)];
    Value stored;
    if (!coerce(value, object_.columns()[static_cast<size_t>(index)].type, stored))
        return -1;
    r.values[static_cast<size_t>(index)] = stored;
    r.modified[static_cast<size_t>(index)] = true;
    contentChanged();
    return 1;
}

long DataStore::SetItem(long row, const String &column, const Value &value, std::source_location where)
{
    const int c = columnIndex(column, where);
    return setItemAt(row, c, value, where);
}

long DataStore::SetItem(long row, int column, const Value &value, std::source_location where)
{
    const int c = columnIndex(column, where);
    return setItemAt(row, c, value, where);
}

ItemStatus DataStore::GetItemStatus(long row, const String &column, std::source_location where) const
{
    if (Trim(column).empty())
        return GetItemStatus(row, 0, where);
    return GetItemStatus(row, columnIndex(column, where) + 1, where);
}

ItemStatus DataStore::GetItemStatus(long row, int column, std::source_location where) const
{
    const RowData &r = rowAt(row, where);
    if (column == 0) {
        if (r.isNew)
            return r.anyModified() ? ItemStatus::NewModified : ItemStatus::New;
        return r.anyModified() ? ItemStatus::DataModified : ItemStatus::NotModified;
    }
    const int c = columnIndex(column, where);
    return r.modified[static_cast<size_t>(c)] ? ItemStatus::DataModified : ItemStatus::NotModified;
}

Value DataStore::EvaluateFor(const String &expression, long row) const
{
    return Expression::Parse(expression)->evaluate(RowContext(*this, row));
}

long DataStore::Find(const String &expression, long start, long end) const
{
    std::shared_ptr<const Expression> e;
    try {
        e = Expression::Parse(expression);
    } catch (const ExpressionError &) {
        return -1;
    }
    const long n = RowCount();
    if (n == 0)
        return 0;
    const long step = end >= start ? 1 : -1;
    start = std::clamp(start, 1L, n);
    end = std::clamp(end, 1L, n);
    try {
        for (long row = start;; row += step) {
            if (IsTrue(e->evaluate(RowContext(*this, row))))
                return row;
            if (row == end)
                break;
        }
    } catch (const ExpressionError &) {
        return -1;
    }
    return 0;
}

bool DataStore::parseSort(const String &order, std::vector<SortKey> &keys) const
{
    keys.clear();
    String rest = order;
    while (!Trim(rest).empty()) {
        const size_t comma = rest.find(',');
        String part = Trim(rest.substr(0, comma));
        rest = comma == std::string::npos ? String() : rest.substr(comma + 1);
        if (part.empty())
            continue;
        bool descending = false;
        const size_t blank = part.find(' ');
        if (blank != std::string::npos) {
            const String dir = Upper(Trim(part.substr(blank + 1)));
            if (dir != "A" && dir != "D")
                return false;
            descending = dir == "D";
            part = part.substr(0, blank);
        }
        const int column = part[0] == '#' ? static_cast<int>(Long(part.substr(1))) : object_.columnNumber(part);
        if (column < 1 || column > static_cast<int>(object_.columns().size()))
            return false;
        keys.push_back({column - 1, descending});
    }
    return true;
}

long DataStore::SetSort(const String &order)
{
    std::vector<SortKey> keys;
    if (!parseSort(order, keys))
        return -1;
    sort_ = keys;
    object_.sort(order);
    return 1;
}

long DataStore::Sort()
{
    sortRows();
    contentChanged();
    return 1;
}

void DataStore::sortRows()
{
    if (sort_.empty())
        return;
    std::stable_sort(rows_.begin(), rows_.end(), [this](const RowData &a, const RowData &b) {
        for (const SortKey &k : sort_) {
            const int c = compareForSort(a.values[static_cast<size_t>(k.column)], b.values[static_cast<size_t>(k.column)]);
            if (c != 0)
                return k.descending ? c > 0 : c < 0;
        }
        return false;
    });
}

long DataStore::SetSQLSelect(const String &sql)
{
    if (Trim(sql).empty())
        return -1;
    object_.select(sql);
    return 1;
}

void DataStore::setCurrentRow(long row)
{
    if (row == currentRow_)
        return;
    currentRow_ = row;
    rowFocusChanged(row);
}

long DataStore::SetRow(long row)
{
    if (row < 1 || row > RowCount())
        return -1;
    setCurrentRow(row);
    contentChanged();
    return 1;
}

long DataStore::ScrollToRow(long row)
{
    if (row < 1)
        return -1;
    if (RowCount() == 0)
        return 1;
    row = std::min(row, RowCount());
    setCurrentRow(row);
    const DataObject &o = object_;
    const long detail = o.bandHeight(Band::Detail);
    const long top = (row - 1) * detail;
    const long visible = visibleDetailHeight();
    if (top < scrollPosition_)
        SetVerticalScrollPosition(top);
    else if (top + detail > scrollPosition_ + visible)
        SetVerticalScrollPosition(top + detail - visible);
    contentChanged();
    return 1;
}

int DataStore::contentHeight() const
{
    return object_.bandHeight(Band::Header) + static_cast<int>(RowCount()) * object_.bandHeight(Band::Detail) +
           object_.bandHeight(Band::Summary) + object_.bandHeight(Band::Footer);
}

int DataStore::visibleDetailHeight() const
{
    return static_cast<int>(RowCount()) * object_.bandHeight(Band::Detail) + object_.bandHeight(Band::Summary);
}

long DataStore::VerticalScrollMaximum() const
{
    const long scrollable = static_cast<long>(RowCount()) * object_.bandHeight(Band::Detail) + object_.bandHeight(Band::Summary);
    return std::max(0L, scrollable - visibleDetailHeight());
}

void DataStore::SetVerticalScrollPosition(long position)
{
    position = std::clamp(position, 0L, VerticalScrollMaximum());
    if (position == scrollPosition_)
        return;
    scrollPosition_ = position;
    scrolled(position);
    contentChanged();
}

} // namespace runtime
