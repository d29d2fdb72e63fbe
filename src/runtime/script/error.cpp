#include "runtime/script/error.h"

namespace runtime {

RuntimeError::RuntimeError(ErrorNumber number, const String &text, std::source_location where)
    : std::runtime_error(ToUtf8(text)), number_(static_cast<int>(number)), text_(text), where_(where)
{
}

bool InProgramCode(const std::source_location &where)
{
    // The runtime's sources, headers included, all lie in its own folder.
    const std::string_view file = where.file_name();
    return where.line() > 0 && !file.empty() && file.find("src/runtime/") == std::string_view::npos;
}

String ErrorText(ErrorNumber number)
{
    switch (number) {
    case ErrorNumber::DivideByZero: return "Divide by zero";
    case ErrorNumber::NullObjectReference: return "Null object reference";
    case ErrorNumber::ArrayBoundaryExceeded: return "Array boundary exceeded";
    case ErrorNumber::EnumeratedValueOutOfRange: return "Enumerated value is out of range for function";
    case ErrorNumber::NegativeValue: return "Negative value encountered in function";
    case ErrorNumber::InvalidRowOrColumn: return "Invalid DataWindow row/column specified";
    case ErrorNumber::ExternalFunctionFailed: return "Error calling external function";
    }
    return "Unknown error";
}

void Raise(ErrorNumber number, std::source_location where)
{
    throw RuntimeError(number, ErrorText(number), where);
}

} // namespace runtime
