#include "runtime/dw/row_context.h"

namespace runtime {

bool RowContext::lookup(const String &name, Value &out) const
{
    const DataObject &o = store_.dataObject();
    if (const int c = o.columnNumber(name)) {
        if (row_ < 1 || row_ > store_.RowCount())
            throw ExpressionError("no row " + std::to_string(row_));
        out = store_.GetItem(row_, c);
        return true;
    }
    const DrawObject *d = o.object(name);
    if (!d || d->kind() != ObjectKind::Compute)
        return false;
    if (depth_ > 16)
        throw ExpressionError("computed fields refer to each other");
    out = Expression::Parse(d->get("expression"))->evaluate(RowContext(store_, row_, depth_ + 1));
    return true;
}

bool RowContext::lookupColumn(long number, Value &out) const
{
    if (number < 1 || number > static_cast<long>(store_.dataObject().columns().size()))
        return false;
    if (row_ < 1 || row_ > store_.RowCount())
        throw ExpressionError("no row " + std::to_string(row_));
    out = store_.GetItem(row_, static_cast<int>(number));
    return true;
}

} // namespace runtime
