#include "runtime/db/value.h"

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

long long Value::toLongLong() const
{
    if (auto *i = std::get_if<long long>(&v_))
        return *i;
    if (auto *d = std::get_if<double>(&v_))
        return static_cast<long long>(*d);
    if (auto *s = std::get_if<String>(&v_))
        return static_cast<long long>(Double(*s));
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
