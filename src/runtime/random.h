// The scripts' random numbers.
#pragma once

namespace runtime {

// Seeds the generator: 0 takes the seed from the clock (and from the draws
// before, so two seeds in the same clock tick still differ).
void Randomize(unsigned seed);
// A whole number from 1 to n, each equally likely; 1 when n < 1.
int Rand(int n);

} // namespace runtime
