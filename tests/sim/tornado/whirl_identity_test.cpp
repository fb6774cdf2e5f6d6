// The whirl's trail follows without refreshing the caches it never reads;
// this checks it against the plain step that refreshes every cache, vector
// operation by vector operation, bit for bit.

#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "sim/geometry/angles.h"
#include "sim/random.h"
#include "sim/tornado/whirl.h"

namespace {

void PlainPlace(TWhirl& W, size_t K, double X, double Y, Extended Rise)
{
    TVector& Pos = W.Particles[K].Pos;
    SetVector(Pos, W.Radius, 0);
    const TVector C = WhirlCentre(W);
    W.Trail[K] = MakeVector(static_cast<double>(Extended(C.X) + Extended(X)),
                            static_cast<double>(Extended(C.Y) + Extended(Y) - Rise));
    Randomize();
    RotateVector(Pos, Random(360));
}

void PlainStep(TWhirl& W, double X, double Y)
{
    const size_t L = W.Particles.size();
    if (L < static_cast<size_t>(W.Capacity)) {
        W.Particles.push_back(TParticle{});
        W.Trail.push_back(TVector{});
        PlainPlace(W, L, X, Y, Extended(W.Capacity) - Extended(L));
    } else {
        for (size_t C = 0; C + 1 < L; ++C) {
            W.Particles[C] = W.Particles[C + 1];
            W.Trail[C] = W.Trail[C + 1];
        }
        PlainPlace(W, L - 1, X, Y, 0);
    }
    double F = 1.0;
    for (TParticle& P : W.Particles) {
        RotateVector(P.Pos, NormalizeAngle(static_cast<double>(360 / Extended(P.Pos.Length))));
        F = static_cast<double>(Extended(F) * Extended(W.Shrink));
        ScaleVector(P.Pos, F);
    }
    for (size_t K = W.Trail.size() - 1; W.Trail.size() >= 2 && K-- > 0;) {
        const TVector D = VectorDiff(W.Trail[K + 1], W.Trail[K]);
        AddVector(W.Trail[K], VectorScaled(D, W.Follow));
    }
}

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
            PlainStep(Plain, X, Y);
            ASSERT_TRUE(SameBits(Fast, Plain)) << "N " << N << ", step " << Step;
        }
    }
    RandomSeedSource = nullptr;
}
