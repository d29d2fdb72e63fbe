// One program at a time on a file.
#pragma once

#include <string>

namespace runtime {

enum class FileHold {
    Held,    // this process holds the file now
    InUse,   // another process holds it
    Failed,  // the file could not be opened; error says why
};

// Takes an exclusive lock on the file for the rest of this process's life.
// The system drops the lock when the process ends, however it ends, so a
// lock never outlives its holder. Taking it again in the same process
// succeeds.
FileHold HoldFileForThisProcess(const std::string &path, std::string &error);

} // namespace runtime
