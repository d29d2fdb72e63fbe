// Every test program runs Qt on the offscreen platform unless told otherwise,
// under the runtime's application object.
#include "runtime/ui/application.h"

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char **argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    runtime::Application app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
