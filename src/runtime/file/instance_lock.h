// One program at a time on a file.
#pragma once

#include <string>

namespace runtime {

// Takes an exclusive lock on the file for the rest of this process's life.
// Returns false, with the reason in error, when another process holds it.
// The system drops the lock when the process ends, however it ends, so a
// lock never outlives its holder. Taking it again in the same process
// succeeds.
bool HoldFileForThisProcess(const std::string &path, std::string &error);

} // namespace runtime
