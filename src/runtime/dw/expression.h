// Data window expressions: computed fields, Find conditions and properties
// that change from row to row.
//
// The language: string literals in '...' or "..." with ~ escapes, numbers,
// column names (or #n), + - * /, the comparisons = <> < > <= >=, and, or,
// not, parentheses, if(cond, a, b), case(x when v1[, v2] then r ... else r),
// the built-in functions below, and the program's global functions, which
// the program registers by name at start. Names are case-insensitive.
//
// Built-ins: string(v [, format]), len, trim, left, right, mid, pos, upper,
// lower, long, integer, real, isnull, daynumber(date), getrow(), rowcount(),
// currentrow() and bitmap(name), which makes a computed field show the
// picture of that name.
#pragma once

#include "runtime/db/value.h"

#include <functional>
#include <memory>
#include <stdexcept>

namespace runtime {

using ExpressionFunction = std::function<Value(const std::vector<Value> &)>;

// Makes a global function callable from expressions; a second registration of
// the same name replaces the first.
void RegisterExpressionFunction(const String &name, ExpressionFunction function);

// A malformed expression, an unknown name or a function that fails.
class ExpressionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// What an expression sees of its data window: the row it is evaluated for.
class ExpressionContext {
public:
    virtual ~ExpressionContext() = default;
    // The value of a column or computed field in the row; false when no such name.
    virtual bool lookup(const String &name, Value &out) const = 0;
    // The value of column n (1-based) in the row; false when no such column.
    virtual bool lookupColumn(long number, Value &out) const = 0;
    virtual long row() const = 0;
    virtual long rowCount() const = 0;
    virtual long currentRow() const = 0;
};

class Expression {
public:
    struct Node;

    // Parses the text (parsed texts are kept, so parsing again is cheap).
    // Throws ExpressionError when the text is not an expression.
    static std::shared_ptr<const Expression> Parse(const String &text);

    // Throws ExpressionError for unknown names and failing functions.
    Value evaluate(const ExpressionContext &context) const;
    // True when the whole expression is a bitmap(...) call.
    bool isBitmap() const;

    explicit Expression(std::unique_ptr<Node> root);
    ~Expression();

private:
    std::unique_ptr<Node> root_;
};

// Parses and evaluates in one step.
Value Evaluate(const String &text, const ExpressionContext &context);
// True for a value that counts as true in a condition: a non-zero number.
bool IsTrue(const Value &v);

// Decodes the ~ escapes of a quoted text: ~n newline, ~r carriage return,
// ~t tab, ~~, ~', ~" and ~ddd (a decimal character code).
String DecodeTildes(std::string_view text);
// The reverse for a text that goes inside '...'.
String EncodeTildes(std::string_view text);

} // namespace runtime
