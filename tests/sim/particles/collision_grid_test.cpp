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
    std::vector<int32_t> Found, Within;
    size_t Partners = 0;
    for (size_t I = 0; I < Particles.size(); ++I) {
        RemoveFromCollisionGrid(Grid, I);
        const TVector& P = Particles[I].Pos;
        FindNearParticles(Grid, P.X, P.Y, Found);
        ASSERT_TRUE(std::is_sorted(Found.begin(), Found.end()));
        // Every later particle within a pixel is found; nothing earlier is.
        FindNearParticlesPlain(Particles, I + 1, P, Within);
        Partners += Within.size();
        ASSERT_TRUE(std::includes(Found.begin(), Found.end(), Within.begin(), Within.end())) << I;
        for (const int32_t M : Found) ASSERT_GT(M, static_cast<int32_t>(I));
    }
    EXPECT_GT(Partners, Particles.size()); // the crowd is dense enough to test something
}

TEST(CollisionGridTest, DebugBuildsStopAParticleLeavingOutOfTurn)
{
    // Moving the mark past particle 1 would drop it from every later search.
    TCollisionGrid Grid;
    BuildCollisionGrid(Grid, {At(0, 0), At(0.5, 0), At(5, 5)});
    RemoveFromCollisionGrid(Grid, 0);
    EXPECT_DEBUG_DEATH(RemoveFromCollisionGrid(Grid, 2), "Index == ");
}
