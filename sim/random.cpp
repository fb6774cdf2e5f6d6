#include "sim/random.h"

#include <chrono>
#include <random>

std::function<uint64_t()> RandomSeedSource;

namespace {

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

int Random(int N)
{
    if (N < 1) return 0;
    return std::uniform_int_distribution<int>(0, N - 1)(Generator());
}

void Randomize() { SeedRandom(RandomSeedSource ? RandomSeedSource() : ClockSeed()); }

void ResetRandom()
{
    RandomSeedSource = nullptr;
    Generator() = std::mt19937_64();
}

void SeedRandom(uint64_t Seed) { Generator().seed(Seed); }
