// The wall clock as text.
#pragma once

#include "runtime/text/text.h"

namespace runtime {

// The current local date and time, "yyyy-mm-dd hh:mm:ss" (24-hour clock).
String CurrentDateTime();

} // namespace runtime
