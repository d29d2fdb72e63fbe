#include "runtime/ui/halt.h"

#include <cstdio>
#include <cstdlib>

namespace runtime {

namespace {
HaltHandler &handler()
{
    static HaltHandler h;
    return h;
}
} // namespace

void Halt(int status)
{
    if (handler()) {
        handler()(status);
        return;
    }
    std::fflush(nullptr);
    std::_Exit(status);
}

void SetHaltHandler(HaltHandler h) { handler() = std::move(h); }

} // namespace runtime
