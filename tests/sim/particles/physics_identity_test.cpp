// StepPhysics finds its walls and collision partners with shortcuts; these
// worlds check it against StepPhysicsPlain, which tests everything in full,
// bit for bit after every step.

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>

#include "sim/geometry/angles.h"
#include "sim/particles/physics.h"
#include "support/particle_world.h"

namespace {

// The first particle and field where two worlds differ, or "" when every
// bit of every particle is the same.
std::string FirstDifference(const TPhysics& A, const TPhysics& B)
{
    if (A.Particles.size() != B.Particles.size()) return "particle count";
    for (size_t I = 0; I < A.Particles.size(); ++I)
        if (std::memcmp(&A.Particles[I], &B.Particles[I], sizeof(TParticle)) != 0)
            return "particle " + std::to_string(I) + " at (" + std::to_string(A.Particles[I].Pos.X) + ", " +
                   std::to_string(A.Particles[I].Pos.Y) + ")";
    return "";
}

// Steps a copy of World both ways, Steps times, comparing after each step.
void ExpectSameSteps(const TPhysics& World, int Steps)
{
    TPhysics Fast = World, Plain = World;
    for (int Step = 1; Step <= Steps; ++Step) {
        StepPhysics(Fast);
        StepPhysicsPlain(Plain);
        ASSERT_EQ(FirstDifference(Fast, Plain), "") << "after step " << Step;
    }
}

class PhysicsIdentity : public ::testing::Test {
protected:
    TPhysics World;
    std::mt19937_64 Random{20261207};
    void SetUp() override
    {
        InitAngleTables();
        InitPhysics(World);
    }
    double Uniform(double Low, double High) { return std::uniform_real_distribution<double>(Low, High)(Random); }
    // A coordinate in Low..High that lands on whole and half pixels and on
    // their nearest neighbours as often as anywhere else.
    double Coordinate(double Low, double High)
    {
        const double X = Uniform(Low, High);
        switch (Random() % 6) {
        case 0: return std::floor(X);
        case 1: return std::floor(X) + 0.5;
        case 2: return std::nextafter(std::floor(X), -1e9);
        case 3: return std::nextafter(std::floor(X) + 1, 1e9);
        default: return X;
        }
    }
};

} // namespace

TEST_F(PhysicsIdentity, ThousandsPackedWithinPixels)
{
    // 2500 particles in a 10 x 10 pixel square: most have partners within a
    // pixel, many in the same pixel, many on pixel borders; a third share
    // one velocity, so equal velocities skip their collisions.
    for (int I = 0; I < 2500; ++I) {
        const bool Alike = I % 3 == 0;
        World.Particles.push_back(Particle(Coordinate(-5, 5), Coordinate(-5, 5), Alike ? 0.25 : Uniform(-2, 2),
                                           Alike ? -0.5 : Uniform(-2, 2)));
    }
    World.Walls.push_back(Wall(-6, 4, 6, 4));
    World.Walls.push_back(Wall(-3, -6, 2, 6));
    ExpectSameSteps(World, 4);
}

TEST_F(PhysicsIdentity, ScatteredWorldWithWalls)
{
    for (int I = 0; I < 50; ++I) {
        const double X = Uniform(-400, 400), Y = Uniform(-300, 300), A = Uniform(0, 6.283), L = Uniform(1, 200);
        World.Walls.push_back(Wall(X, Y, X + L * std::cos(A), Y + L * std::sin(A)));
    }
    for (int I = 0; I < 2000; ++I)
        World.Particles.push_back(Particle(Coordinate(-60, 60), Coordinate(-60, 60), Uniform(-8, 8), Uniform(-8, 8)));
    World.Gravity = MakeVector(0, 0.3);
    ExpectSameSteps(World, 6);
}

TEST_F(PhysicsIdentity, WallsThroughWallEndsAndParticlesOnWalls)
{
    // A zigzag of walls that share their ends, walls through other walls'
    // ends, a zero-length wall, and walls along the same slanted line far
    // apart, where the cross products' rounding decides.
    const double Zig[][2] = {{-200, 100}, {-100, 0}, {0, 100}, {100, 0}, {200, 100}};
    for (int I = 0; I < 4; ++I) World.Walls.push_back(Wall(Zig[I][0], Zig[I][1], Zig[I + 1][0], Zig[I + 1][1]));
    World.Walls.push_back(Wall(-100, -50, -100, 50)); // through the end (-100, 0)
    World.Walls.push_back(Wall(-150, 0, 150, 0));     // through the ends at y 0
    World.Walls.push_back(Wall(30, 30, 30, 30));
    const double Slope = 0.1 * std::sqrt(2.0);
    for (int K = -3; K <= 3; ++K)
        World.Walls.push_back(Wall(K * 60.0, K * 60.0 * Slope - 150, K * 60.0 + 20, (K * 60.0 + 20) * Slope - 150));
    // Particles right on the walls and on their ends, sliding along the
    // slanted line, and resting on the floor.
    for (int I = 0; I < 4; ++I) {
        World.Particles.push_back(Particle(Zig[I][0], Zig[I][1], 0, 0));
        World.Particles.push_back(Particle((Zig[I][0] + Zig[I + 1][0]) / 2, (Zig[I][1] + Zig[I + 1][1]) / 2, 1, -1));
    }
    for (int I = 0; I < 200; ++I) {
        const double X = std::round(Uniform(-150, 150));
        World.Particles.push_back(Particle(X, 0, 0, Uniform(-0.3, 0.3)));
        const double S = Uniform(-200, 200);
        World.Particles.push_back(Particle(S, S * Slope - 150, 3, 3 * Slope));
        World.Particles.push_back(Particle(Coordinate(-200, 200), Coordinate(-100, 110), Uniform(-5, 5), Uniform(-5, 5)));
    }
    ExpectSameSteps(World, 8);
    // Without gravity the particles on the floor lie still and hit it in every pass.
    World.Gravity = MakeVector(0, 0);
    ExpectSameSteps(World, 3);
    World.Gravity = MakeVector(0.5, -0.25);
    World.Force = MakeVector(-0.125, 0.0625);
    ExpectSameSteps(World, 3);
}

TEST_F(PhysicsIdentity, FaultsHugeValuesAndOtherTimeSteps)
{
    World.Walls.push_back(Wall(-50, 10, 50, 10));
    World.Walls.push_back(Wall(1e300, -1e300, -1e300, 1e300));
    const double Inf = std::numeric_limits<double>::infinity(), Nan = std::numeric_limits<double>::quiet_NaN();
    World.Particles.push_back(Particle(0, 0, 1e308, 1e308));
    World.Particles.push_back(Particle(0, 0.5, Nan, 0));
    World.Particles.push_back(Particle(Inf, 0, 0, 0));
    World.Particles.push_back(Particle(1e300, 1e300, 0, 0));
    World.Particles.push_back(Particle(1e300, 1e300, 1, 0));
    World.Particles.push_back(Particle(0x1p30, -0x1p30, 0, 0));
    World.Particles.push_back(Particle(0x1p30 + 0.5, -0x1p30, 2, 0));
    for (int I = 0; I < 300; ++I)
        World.Particles.push_back(Particle(Coordinate(-3, 3), Coordinate(8, 12), Uniform(-30, 30), Uniform(-30, 30)));
    ExpectSameSteps(World, 3);
    World.TimeStep = 2;
    ExpectSameSteps(World, 3);
    World.TimeStep = 0.5;
    World.WallFriction = 1e308;
    ExpectSameSteps(World, 3);
    World.TimeStep = 0;
    ExpectSameSteps(World, 1);
}
