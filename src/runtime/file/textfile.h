// Text files that the program appends to (logs and dumps), written as the
// scripts write them in line mode: every write ends with CR LF. The file is
// created when missing and opened shared, so other programs may read it
// meanwhile. Names are relative to the working folder unless absolute.
#pragma once

#include "runtime/text/text.h"

namespace runtime {

// Opens the file for appending: its number (> 0), or -1 when it cannot be
// opened (no such folder, no permission, a folder of that name).
int FileOpenAppend(const String &name);
// Writes the text (bytes as they are) and CR LF: the number of bytes written,
// or -1 when the file is not open or the write fails.
long FileWriteLine(int file, const String &text);
// 1, or -1 when the file is not open.
int FileClose(int file);

} // namespace runtime
