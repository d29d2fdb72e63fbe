// Ending the program at once, without the application's close event.
// The handler is replaceable so that a test can see the end instead of dying.
//
// Nothing of the program runs after Halt. It flushes the C library's streams
// (stdout, stderr, every FILE still open) and ends the process on the spot:
// no destructor runs, of a static object or of one on any stack, no atexit
// handler runs, and no other stream is flushed (a std::ofstream's or a
// QFile's buffer is lost). Qt's teardown does not run either, so no window
// closes and no worker thread is waited for. Whatever must outlive the
// program is written before Halt: the runtime's text files flush each line
// as it is written, and a database commit is on the disk when it returns.
#pragma once

#include <functional>

namespace runtime {

// Ends the program with the exit status. When a test has replaced the
// handler, Halt returns after calling it: the caller returns at once too.
void Halt(int status = 0);

using HaltHandler = std::function<void(int status)>;
void SetHaltHandler(HaltHandler handler);

} // namespace runtime
