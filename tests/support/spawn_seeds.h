#pragma once
// The whirl draws a ring's spawn angle as the first Random(360) after a
// reseed; these find the angle of a seed and a seed for an angle, for
// worked examples with chosen angles.

#include <cstdint>

#include "sim/random.h"

inline int SpawnAngle(uint64_t Seed)
{
    SeedRandom(Seed);
    return Random(360);
}

// The smallest seed whose spawn angle is R (0..359).
inline uint64_t SeedFor(int R)
{
    uint64_t Seed = 1;
    while (SpawnAngle(Seed) != R) ++Seed;
    return Seed;
}
