// The name of the user the program runs as, as the operating system knows it.
#pragma once

#include "runtime/text/text.h"

#include <functional>

namespace runtime {

// Fills name and returns true; false (name left empty) when the system
// cannot tell.
bool GetUserName(String &name);

// Replaces the system as the source of GetUserName, so that a test sees the
// same name on every machine; an empty source restores the system's.
void SetUserNameSource(std::function<String()> source);

} // namespace runtime
