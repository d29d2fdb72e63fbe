// The running program's own file name, as the operating system reports it,
// in code page 936. Tests may pretend another path.
#pragma once

#include "runtime/text/text.h"

namespace runtime {

String ModuleFileName();
// Replaces the reported path; the empty text restores the real one.
void SetModuleFileName(const String &path);

} // namespace runtime
