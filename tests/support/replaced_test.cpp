// The guard of replaced.h puts back what it replaced when a failed assertion
// ends the test early.
#include "replaced.h"
#include "runtime/ui/clock.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <string>

using namespace runtime;

namespace {

// A failed ASSERT returns from the test at once, past any line that would
// put things back by hand; the guards put back all the same: the seam its
// default, the variable the value it held.
TEST(Replaced, PutsBackWhenAFailedAssertionEndsTheTest)
{
    // The statement checked for a fatal failure runs as a function of its
    // own, which sees statics only.
    static ManualClock clock;
    static std::string chosen = "C1";
    static bool replaced = false;
    EXPECT_FATAL_FAILURE(
        {
            Replaced installed(SetClock, &clock);
            Replaced changed(chosen, "B1");
            replaced = &CurrentClock() == &clock && chosen == "B1";
            ASSERT_TRUE(false) << "the test ends here";
        },
        "the test ends here");
    EXPECT_TRUE(replaced);
    EXPECT_NE(&CurrentClock(), &clock);
    EXPECT_EQ(chosen, "C1");
}

} // namespace
