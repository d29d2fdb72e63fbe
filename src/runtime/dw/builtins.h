// The built-in functions of data window expressions.
#pragma once

#include "runtime/dw/expression.h"

namespace runtime {

// Calls the built-in function name (lower case) with its evaluated
// arguments; false when there is no built-in of that name.
bool CallBuiltin(const String &name, const std::vector<Value> &args, const ExpressionContext &context, Value &result);

// A date or date-time text ("2014-09-01", "2014-09-01 09:05:00") in a
// display format such as "yyyy年m月d日" or "hh:mm"; false when the text is
// not a date.
bool FormatDateTime(const String &value, const String &format, String &out);

} // namespace runtime
