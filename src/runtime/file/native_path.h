// File names between the scripts and the file system.
//
// The scripts hold file names as code-page-936 text, like all their text;
// the file system's names are UTF-8 and may hold characters that code page
// has no code for (a folder named "jörg"). Such a name would not survive the
// round trip, so the runtime keeps the native form of the folders it learns
// from the system itself (the program's own folder), and gives back the
// native form of any path within them.
#pragma once

#include "runtime/text/text.h"

#include <string>

namespace runtime {

// Remembers a folder's native (UTF-8) name; it ends in a separator.
void RememberNativeFolder(const std::string &folder);

// The native (UTF-8) name of a file the scripts name: the remembered
// folder's own name where the path lies within one, the plain conversion
// elsewhere.
std::string NativePath(const String &path);

} // namespace runtime
