// The running program's own file name, as the operating system reports it,
// in code page 936. Tests may pretend another path.
#pragma once

#include "runtime/text/text.h"

#include <string>

namespace runtime {

// The program's own path. Its folder's native name is remembered, so that
// files within it are found whatever characters the name holds.
String ModuleFileName();
// Replaces the reported path (given in its native UTF-8 form); the empty
// text restores the real one.
void SetModuleFileName(const std::string &nativePath);

} // namespace runtime
