// How much of the memory it has freed the process keeps.
#pragma once

namespace runtime {

// Has the C library give freed memory back to the system soon. For the whole
// process, so the program's entry point calls it, first thing.
void ReturnFreedMemoryToSystem();

} // namespace runtime
