// The view an expression has of one row of a data store: its columns by name
// or number, its computed fields, its row number and the row count.
#pragma once

#include "runtime/dw/datastore.h"

namespace runtime {

class RowContext : public ExpressionContext {
public:
    RowContext(const DataStore &store, long row, int depth = 0) : store_(store), row_(row), depth_(depth) {}

    bool lookup(const String &name, Value &out) const override;
    bool lookupColumn(long number, Value &out) const override;
    long row() const override { return row_; }
    long rowCount() const override { return store_.RowCount(); }
    long currentRow() const override { return store_.GetRow(); }

private:
    const DataStore &store_;
    long row_;
    int depth_; // computed fields that name computed fields, to stop a cycle
};

} // namespace runtime
