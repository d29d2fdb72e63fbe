#include "runtime/random.h"

#include <chrono>
#include <random>

namespace runtime {

namespace {

std::mt19937 &generator()
{
    static std::mt19937 g{std::random_device{}()};
    return g;
}

} // namespace

void Randomize(unsigned seed)
{
    if (seed != 0) {
        generator().seed(seed);
        return;
    }
    const auto now = static_cast<unsigned long long>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
    std::seed_seq sequence{static_cast<unsigned>(now), static_cast<unsigned>(now >> 32), static_cast<unsigned>(generator()())};
    generator().seed(sequence);
}

int Rand(int n)
{
    if (n < 1)
        return 1;
    return std::uniform_int_distribution<int>(1, n)(generator());
}

} // namespace runtime
