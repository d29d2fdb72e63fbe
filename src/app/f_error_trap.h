// The system-error report: opens the report window over the transaction and
// waits until it has closed. Returns 1.
#pragma once

#include "runtime/db/transaction.h"

int f_error_trap(runtime::Transaction &asql_);
