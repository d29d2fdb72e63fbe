#include "app/f_ts.h"

#include "runtime/script/error.h"

#include <array>

using namespace runtime;

String f_ts(const String &as_string, const String &as_para)
{
    if (!(Right(as_string, 1) > as_para))
        return as_string + as_para;

    // One slot per option; slot i is ls_slot[i - 1].
    std::array<String, 4> ls_slot;
    auto slot = [&](long i) -> String & {
        if (i < 1 || i > 4)
            Raise(ErrorNumber::ArrayBoundaryExceeded);
        return ls_slot[static_cast<size_t>(i - 1)];
    };

    const long ll_len = Len(as_string);
    for (long i = 1; i <= ll_len; ++i)
        slot(i) = Mid(as_string, i, 1);

    long ll_at = 1;
    while (!(slot(ll_at) > as_para))
        ++ll_at;

    for (long j = ll_len; j >= ll_at; --j)
        slot(j + 1) = slot(j);
    slot(ll_at) = as_para;

    return ls_slot[0] + ls_slot[1] + ls_slot[2] + ls_slot[3];
}
