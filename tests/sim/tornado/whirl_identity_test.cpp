// The whirl's trail follows without refreshing the caches it never reads;
// this checks it against StepWhirlPlain, which refreshes every cache, vector
// operation by vector operation, bit for bit.

#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "sim/geometry/angles.h"
#include "sim/random.h"
#include "sim/tornado/whirl.h"

namespace {

bool SameBits(const TWhirl& A, const TWhirl& B)
{
    return A.Particles.size() == B.Particles.size() &&
           std::memcmp(A.Particles.data(), B.Particles.data(), A.Particles.size() * sizeof(TParticle)) == 0 &&
           std::memcmp(A.Trail.data(), B.Trail.data(), A.Trail.size() * sizeof(TVector)) == 0;
}

} // namespace

TEST(WhirlIdentity, StepMatchesThePlainVectorOperations)
{
    InitAngleTables();
    uint64_t Seed = 0;
    RandomSeedSource = [&Seed] { return ++Seed; };
    std::mt19937_64 Random(8);
    std::uniform_real_distribution<double> Base(-400, 400);
    for (const int32_t N : {1, 7, 300}) {
        TWhirl Fast = CreateWhirl(N), Plain = CreateWhirl(N);
        double X = 0, Y = 0;
        for (int Step = 0; Step < 2 * N + 40; ++Step) {
            // The base jumps now and then and sits on halves of pixels.
            if (Step % 17 == 0) {
                X = std::round(Base(Random)) + 0.5;
                Y = Base(Random);
            }
            const uint64_t Before = Seed;
            StepWhirl(Fast, X, Y);
            Seed = Before;
            StepWhirlPlain(Plain, X, Y);
            ASSERT_TRUE(SameBits(Fast, Plain)) << "N " << N << ", step " << Step;
        }
    }
    RandomSeedSource = nullptr;
}
