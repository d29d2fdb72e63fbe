// Run-time errors of the scripts.
//
// Where a script does something the language forbids (reads a row that does
// not exist, indexes past an array, uses a null object) the runtime throws a
// RuntimeError. Event dispatch catches it and raises the application's
// systemerror event, so the program reports the error and goes on.
#pragma once

#include "runtime/text/text.h"

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
    RuntimeError(ErrorNumber number, const String &text);

    int number() const { return number_; }
    const String &text() const { return text_; }

private:
    int number_;
    String text_;
};

// The text the error report gives an error number.
String ErrorText(ErrorNumber number);

// Throws the error of that number with its standard text.
[[noreturn]] void Raise(ErrorNumber number);

} // namespace runtime
