// Every test program runs Qt on the offscreen platform unless told otherwise,
// under the runtime's application object, and draws with the project's own
// fonts and font settings only.
#include "pinned_fonts.h"
#include "runtime/script/script_state.h"
#include "runtime/ui/application.h"

#include <QCoreApplication>
#include <QEvent>
#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>
#include <utility>

namespace {

// Windows closed in a test are freed by a deferred deletion, which only the
// event loop runs, and tests seldom return to it. Each test's closed windows
// are freed as the test ends, so that none outlives its test and none is
// left unfreed when the program ends.
class FreeClosedWindows : public testing::EmptyTestEventListener {
    void OnTestEnd(const testing::TestInfo &) override
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

} // namespace

int main(int argc, char **argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    PinFonts();
    runtime::Application app(argc, argv);
    // Without its fonts a test would draw in others and fail far from the
    // cause, by a few pixels; it stops here instead, saying what to install.
    if (const std::string missing = MissingFonts(); !missing.empty()) {
        std::cerr << missing;
        return 1;
    }
    testing::InitGoogleTest(&argc, argv);
    testing::UnitTest::GetInstance()->listeners().Append(new FreeClosedWindows);
    // A nested event loop that a script starts must run through
    // RunNestedLoop: any test that reaches one started otherwise fails (once,
    // though every script that loop delivers finds it).
    runtime::SetUnguardedLoopHandler([] {
        static const testing::TestInfo *failed = nullptr;
        const testing::TestInfo *test = testing::UnitTest::GetInstance()->current_test_info();
        if (std::exchange(failed, test) != test)
            ADD_FAILURE() << "a script waits in a nested event loop that did not start through RunNestedLoop";
    });
    return RUN_ALL_TESTS();
}
