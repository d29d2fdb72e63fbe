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
    // line: where the error was raised, for the error report (0: unknown).
    RuntimeError(ErrorNumber number, const String &text, int line = 0);

    int number() const { return number_; }
    const String &text() const { return text_; }
    int line() const { return line_; }

private:
    int number_;
    String text_;
    int line_;
};

// The text the error report gives an error number.
String ErrorText(ErrorNumber number);

// Throws the error of that number with its standard text.
[[noreturn]] void Raise(ErrorNumber number, std::source_location where = std::source_location::current());

} // namespace runtime
