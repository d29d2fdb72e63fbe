#include "app/f_error_trap.h"

#include "app/w_error_trap.h"

using namespace runtime;

int f_error_trap(Transaction &asql_)
{
    OpenWithParm(w_error_trap, &asql_);
    return 1;
}
