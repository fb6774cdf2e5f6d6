#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>

#include "sim/geometry/vector.h"
#include "sim/particles/collision_grid.h"

namespace {

TParticle At(double X, double Y)
{
    TParticle P{};
    P.Pos.X = X;
    P.Pos.Y = Y;
    return P;
}

} // namespace

TEST(CollisionGridTest, FindsEveryFiledParticleWithinAPixelInAscendingOrder)
{
    // A crowd on and around pixel borders, a few far away (hashed, and
    // beyond the clamped edge), and some with no position at all.
    std::mt19937_64 Random(4);
    std::uniform_real_distribution<double> Near(-20, 20);
    std::vector<TParticle> Particles;
    for (int I = 0; I < 3000; ++I) {
        double X = Near(Random), Y = Near(Random);
        if (I % 4 == 0) X = std::round(X);
        if (I % 5 == 0) Y = std::nextafter(std::round(Y), -100.0);
        Particles.push_back(At(X, Y));
    }
    for (const double Far : {1e4, -3e5, 1e12, 0x1p30, 0x1p30 + 0.75, 1e300, -1e300}) {
        Particles.push_back(At(Far, Far));
        Particles.push_back(At(Far + 0.5, Far));
    }
    Particles.push_back(At(std::numeric_limits<double>::quiet_NaN(), 0));
    Particles.push_back(At(0, std::numeric_limits<double>::infinity()));
    TCollisionGrid Grid;
    BuildCollisionGrid(Grid, Particles);
    std::vector<int32_t> Found;
    for (size_t I = 0; I < Particles.size(); ++I) {
        RemoveFromCollisionGrid(Grid, I);
        const TVector& P = Particles[I].Pos;
        FindNearParticles(Grid, P.X, P.Y, Found);
        ASSERT_TRUE(std::is_sorted(Found.begin(), Found.end()));
        // Every later particle within a pixel is found; nothing earlier is.
        for (size_t M = I + 1; M < Particles.size(); ++M) {
            const TVector& Q = Particles[M].Pos;
            if (SameVector(P, Q)) {
                ASSERT_TRUE(std::binary_search(Found.begin(), Found.end(), static_cast<int32_t>(M))) << I;
            }
        }
        for (const int32_t M : Found) ASSERT_GT(M, static_cast<int32_t>(I));
    }
}
