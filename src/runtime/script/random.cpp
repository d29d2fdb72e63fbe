#include "runtime/script/random.h"

#include <chrono>
#include <random>

namespace runtime {

namespace {

std::mt19937 &generator()
{
    static std::mt19937 g{std::random_device{}()};
    return g;
}

std::function<unsigned long long()> &seedSource()
{
    static std::function<unsigned long long()> source;
    return source;
}

} // namespace

unsigned long long NewSeed()
{
    if (seedSource())
        return seedSource()();
    return static_cast<unsigned long long>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

void SetSeedSource(std::function<unsigned long long()> source) { seedSource() = std::move(source); }

void Randomize(unsigned seed)
{
    if (seed != 0) {
        generator().seed(seed);
        return;
    }
    const unsigned long long now = NewSeed();
    // A fixed source stands alone: the draws before may differ from run to run.
    const unsigned before = seedSource() ? 0u : static_cast<unsigned>(generator()());
    std::seed_seq sequence{static_cast<unsigned>(now), static_cast<unsigned>(now >> 32), before};
    generator().seed(sequence);
}

int Rand(int n)
{
    if (n < 1)
        return 1;
    return std::uniform_int_distribution<int>(1, n)(generator());
}

} // namespace runtime
