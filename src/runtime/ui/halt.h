// Ending the program at once, without the application's close event.
// The handler is replaceable so that a test can see the end instead of dying.
#pragma once

#include <functional>

namespace runtime {

// Ends the program with the exit status. When a test has replaced the
// handler, Halt returns after calling it: the caller returns at once too.
void Halt(int status = 0);

using HaltHandler = std::function<void(int status)>;
void SetHaltHandler(HaltHandler handler);

} // namespace runtime
