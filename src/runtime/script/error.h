// Run-time errors of the scripts.
//
// Where a script does something the language forbids (reads a row that does
// not exist, indexes past an array, uses a null object) the runtime throws a
// RuntimeError. Event dispatch catches it and raises the application's
// systemerror event, so the program reports the error and goes on.
#pragma once

#include "runtime/text/text.h"

#include <source_location>
#include <stdexcept>

namespace runtime {

// Error numbers, as the error report shows them.
enum class ErrorNumber : int {
    DivideByZero = 1,
    NullObjectReference = 2,
    ArrayBoundaryExceeded = 3,
    EnumeratedValueOutOfRange = 4,
    NegativeValue = 5,
    InvalidRowOrColumn = 6,
    ExternalFunctionFailed = 15,
};

class RuntimeError : public std::runtime_error {
public:
    // where: the code that did what is forbidden, for the error report.
    RuntimeError(ErrorNumber number, const String &text, std::source_location where = {});

    int number() const { return number_; }
    const String &text() const { return text_; }
    const std::source_location &where() const { return where_; }

private:
    int number_;
    String text_;
    std::source_location where_;
};

// True when the place lies in the program's own code rather than in the
// runtime's: the error report then shows its line, and otherwise the line
// of the script that was running.
bool InProgramCode(const std::source_location &where);

// The text the error report gives an error number.
String ErrorText(ErrorNumber number);

// Throws the error of that number with its standard text.
[[noreturn]] void Raise(ErrorNumber number, std::source_location where = std::source_location::current());

} // namespace runtime
