// A value as the database hands it to a script: null, a whole number, a
// decimal number or a text.
#pragma once

#include "runtime/text/text.h"

#include <variant>
#include <vector>

namespace runtime {

class Value {
public:
    Value() = default;
    Value(std::nullptr_t) {}
    Value(int v) : v_(static_cast<long long>(v)) {}
    Value(long v) : v_(static_cast<long long>(v)) {}
    Value(long long v) : v_(v) {}
    Value(double v) : v_(v) {}
    Value(const String &v) : v_(v) {}
    Value(const std::string &v) : v_(String(v)) {}
    Value(const char *v) : v_(String(v)) {}

    bool isNull() const { return std::holds_alternative<std::monostate>(v_); }
    bool isText() const { return std::holds_alternative<String>(v_); }
    bool isInteger() const { return std::holds_alternative<long long>(v_); }
    bool isDecimal() const { return std::holds_alternative<double>(v_); }

    // Conversions as a script's assignment makes them: null gives "" or 0,
    // a text that is not a number gives 0.
    String toString() const;
    long long toLongLong() const;
    long toLong() const { return static_cast<long>(toLongLong()); }
    double toDouble() const;

    bool operator==(const Value &other) const { return v_ == other.v_; }

private:
    std::variant<std::monostate, long long, double, String> v_;
};

using Row = std::vector<Value>;

} // namespace runtime
