#include "app/expression_functions.h"

#include "app/gf_getstring.h"
#include "app/of_decrypt.h"
#include "runtime/dw/expression.h"

using namespace runtime;

namespace {

// One text argument in, one text out; a null argument gives null, as the
// expression language's own functions do.
template <String (*Function)(const String &)>
Value textFunction(const std::vector<Value> &args)
{
    if (args.size() != 1)
        throw ExpressionError("one argument expected");
    return args[0].isNull() ? Value() : Value(Function(args[0].toString()));
}

} // namespace

void RegisterExpressionFunctions()
{
    RegisterExpressionFunction("of_decrypt", textFunction<of_decrypt>);
    RegisterExpressionFunction("gf_getstring", textFunction<gf_getstring>);
}
