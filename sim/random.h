#pragma once
// The process-wide pseudo-random generator that the simulations share.

#include <cstdint>
#include <functional>

// A whole number from 0 to N - 1 with equal chances (0 when N < 1).
int Random(int N);

// Reseeds the generator from the seed source: the high-resolution clock,
// unless a test has put a source of its own in its place.
void Randomize();

// Where Randomize takes its seeds; tests set a fixed sequence here to make
// the simulations repeatable. An empty source means the clock.
extern std::function<uint64_t()> RandomSeedSource;

// The generator as at start-up and the clock as the seed source.
void ResetRandom();

// Seeds the generator directly (for tests of code that never reseeds).
void SeedRandom(uint64_t Seed);
