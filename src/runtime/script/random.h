// The scripts' random numbers, and the seeds of the program's own generators.
#pragma once

#include <functional>

namespace runtime {

// Seeds the generator: 0 takes the seed from the clock (and from the draws
// before, so two seeds in the same clock tick still differ).
void Randomize(unsigned seed);
// A whole number from 1 to n, each equally likely; 1 when n < 1.
int Rand(int n);

// A seed from the clock, for a generator of the program's own.
unsigned long long NewSeed();
// Replaces the clock as the source of NewSeed and of the seed Randomize(0)
// takes, so that a test draws the same numbers on every run; an empty
// source restores the clock.
void SetSeedSource(std::function<unsigned long long()> source);

} // namespace runtime
