// The name of the user the program runs as, as the operating system knows it.
#pragma once

#include "runtime/text/text.h"

namespace runtime {

// Fills name and returns true; false (name left empty) when the system
// cannot tell.
bool GetUserName(String &name);

} // namespace runtime
