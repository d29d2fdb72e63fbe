// The limits the program sets on the C library's heap for the whole process;
// a test program of their own, since they stay set.
#include "runtime/heap.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdlib>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace {

#if defined(__GLIBC__) && !defined(__SANITIZE_ADDRESS__)
constexpr std::size_t kMebibyte = 1024 * 1024;

// Where a block goes, so that the compiler keeps its allocation.
void *volatile block;

std::size_t mappedOnTheirOwn() { return mallinfo2().hblkhd; }
#endif

// A large block freed raises the C library's own limits (blocks of that size
// then come from the heap, and the heap keeps twice as much free at its
// top): once the program has set its own, a block of a mebibyte and more is
// mapped on its own and goes back when freed, and the heap gives back what
// lies free at its top beyond half a mebibyte.
TEST(Heap, GivesLargeBlocksAndFreeTopBackToTheSystem)
{
#if !defined(__GLIBC__) || defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the limits are the GNU C library's own heap's";
#else
    runtime::ReturnFreedMemoryToSystem();
    block = std::malloc(8 * kMebibyte);
    std::free(block);

    const std::size_t mapped = mappedOnTheirOwn();
    block = std::malloc(2 * kMebibyte);
    EXPECT_GE(mappedOnTheirOwn(), mapped + 2 * kMebibyte);
    std::free(block);
    EXPECT_EQ(mappedOnTheirOwn(), mapped);

    const std::size_t heap = mallinfo2().arena;
    void *blocks[16];
    for (void *&b : blocks)
        block = b = std::malloc(kMebibyte / 2);
    for (void *b : blocks)
        std::free(b);
    EXPECT_LE(mallinfo2().arena, heap + kMebibyte / 2 + 64 * 1024);
#endif
}

} // namespace
