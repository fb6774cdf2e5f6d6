#include "sim/random.h"

#include <chrono>
#include <random>

std::function<uint64_t()> RandomSeedSource;

namespace {

__extension__ typedef unsigned __int128 TWide; // a 64 x 64-bit product in full

std::mt19937_64& Generator()
{
    static std::mt19937_64 Instance;
    return Instance;
}

uint64_t ClockSeed()
{
    return static_cast<uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

} // namespace

// Lemire's nearly-divisionless method: the high half of the 128-bit product
// of a raw draw and N, redrawn while the low half falls in the few values
// that would favour some results. The algorithm is fixed here rather than
// left to a library's distribution, so a seed gives the same numbers with
// any standard library.
int Random(int N)
{
    if (N < 1) return 0;
    const uint64_t Range = static_cast<uint64_t>(N);
    TWide Product = static_cast<TWide>(Generator()()) * Range;
    uint64_t Low = static_cast<uint64_t>(Product);
    if (Low < Range) {
        const uint64_t Threshold = (0 - Range) % Range; // 2^64 mod Range
        while (Low < Threshold) {
            Product = static_cast<TWide>(Generator()()) * Range;
            Low = static_cast<uint64_t>(Product);
        }
    }
    return static_cast<int>(Product >> 64);
}

void Randomize() { SeedRandom(RandomSeedSource ? RandomSeedSource() : ClockSeed()); }

void ResetRandom()
{
    RandomSeedSource = nullptr;
    Generator() = std::mt19937_64();
}

void SeedRandom(uint64_t Seed) { Generator().seed(Seed); }
