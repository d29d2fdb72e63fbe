#include "runtime/db/value.h"

#include <cmath>
#include <limits>

namespace runtime {

String Value::toString() const
{
    if (auto *s = std::get_if<String>(&v_))
        return *s;
    if (auto *i = std::get_if<long long>(&v_))
        return String(*i);
    if (auto *d = std::get_if<double>(&v_))
        return String(*d);
    return {};
}

namespace {

// A real number made whole: cut towards zero, held at the ends of the 64-bit
// range, and 0 for a value that is not a number.
long long wholePart(double d)
{
    if (std::isnan(d))
        return 0;
    if (d >= 9223372036854775807.0)
        return std::numeric_limits<long long>::max();
    if (d <= -9223372036854775808.0)
        return std::numeric_limits<long long>::min();
    return static_cast<long long>(d);
}

} // namespace

long long Value::toLongLong() const
{
    if (auto *i = std::get_if<long long>(&v_))
        return *i;
    if (auto *d = std::get_if<double>(&v_))
        return wholePart(*d);
    if (auto *s = std::get_if<String>(&v_))
        return wholePart(Double(*s));
    return 0;
}

double Value::toDouble() const
{
    if (auto *i = std::get_if<long long>(&v_))
        return static_cast<double>(*i);
    if (auto *d = std::get_if<double>(&v_))
        return *d;
    if (auto *s = std::get_if<String>(&v_))
        return Double(*s);
    return 0;
}

} // namespace runtime
