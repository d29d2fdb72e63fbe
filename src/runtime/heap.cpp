#include "runtime/heap.h"

#include <cstdlib> // which names the C library (__GLIBC__)
#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace runtime {

// Blocks of a mebibyte and more (the class window's picture, a window's face
// painted on the heap) are mapped from the system on their own and given
// back whole when freed, and the heap keeps at most half a mebibyte free at
// its top, where a question's picture (about 230 KB) comes and goes without
// being mapped and faulted in afresh each time. The C library would
// otherwise raise both limits as large blocks are freed and keep mebibytes
// the program no longer uses: after thirty examinations the trainer would
// hold about 1.5 MiB more.
//
// A choice for the program, not for every application object. On X a window
// paints into an image it shares with the X server, outside the heap, and
// the limits cost no window anything. Where a window's image is on the heap,
// as on the offscreen platform the tests and benchmarks draw on (5 MiB for a
// full screen), they would have it mapped and faulted in afresh for every
// window opened.
//
// Only the GNU C library has these settings; elsewhere its own rules stand.
void ReturnFreedMemoryToSystem()
{
#if defined(__GLIBC__)
    mallopt(M_MMAP_THRESHOLD, 1024 * 1024);
    mallopt(M_TRIM_THRESHOLD, 512 * 1024);
#endif
}

} // namespace runtime
