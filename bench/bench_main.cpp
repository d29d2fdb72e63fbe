// Benchmarks run with Qt on the offscreen platform under the runtime's
// application object, like the tests.
#include "runtime/ui/application.h"

#include <benchmark/benchmark.h>

#include <cstdlib>

int main(int argc, char **argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    runtime::Application app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
