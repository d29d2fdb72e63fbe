// A measuring seam for start-up as the learner meets it: with the
// environment variable RUNTIME_EXIT_AT_FIRST_PAINT set (to anything but
// empty), the program prints "first paint" on standard output once its
// first window has painted and flushed its first frame, and ends at once.
// Without the variable nothing changes. A benchmark times a new process from
// its start to that line.
#pragma once

namespace runtime {

// Watches for the first paint when the variable is set; the application
// object calls it once at start.
void WatchFirstPaintFromEnvironment();

} // namespace runtime
