// The error report's data object: one row, the facts of one run-time error.
#pragma once

#include "runtime/dw/dataobject.h"

runtime::DataObject d_system_error();
