#include "sim_worlds.h"

#include <cmath>
#include <random>

#include "sim/geometry/angles.h"
#include "support/particle_world.h"

TPhysics ScatteredWorld(size_t Particles, size_t Walls, uint64_t Seed)
{
    std::mt19937_64 Random(Seed);
    std::uniform_real_distribution<double> X(-400, 400), Y(-300, 300), V(-3, 3), Length(40, 200), Turn(0, 6.283);
    TPhysics World;
    InitPhysics(World);
    for (size_t I = 0; I < Walls; ++I) {
        const double Ax = X(Random), Ay = Y(Random), L = Length(Random), A = Turn(Random);
        World.Walls.push_back(Wall(Ax, Ay, Ax + L * std::cos(A), Ay + L * std::sin(A)));
    }
    for (size_t I = 0; I < Particles; ++I) World.Particles.push_back(Particle(X(Random), Y(Random), V(Random), V(Random)));
    return World;
}

TPhysics FloorWorld(size_t Particles, size_t Walls, uint64_t Seed)
{
    std::mt19937_64 Random(Seed);
    std::uniform_real_distribution<double> X(-390, 390), High(-290, -100), Length(20, 80);
    TPhysics World;
    InitPhysics(World);
    // Gravity set to 0 on the screen: a particle put right on the floor
    // stays there, its path touching the floor in every pass.
    World.Gravity = MakeVector(0, 0);
    if (Walls > 0) World.Walls.push_back(Wall(-400, 280, 400, 280));
    for (size_t I = 1; I < Walls; ++I) {
        const double Ax = X(Random), Ay = High(Random);
        World.Walls.push_back(Wall(Ax, Ay, Ax + Length(Random), Ay + 10));
    }
    for (size_t I = 0; I < Particles; ++I) World.Particles.push_back(Particle(std::round(X(Random)), 280, 0, 0));
    return World;
}

TWhirl FullWhirl(int32_t N, uint64_t Seed)
{
    std::mt19937_64 Random(Seed);
    std::uniform_int_distribution<int> Angle(0, 359);
    std::uniform_real_distribution<double> Sway(-20, 20);
    TWhirl W = CreateWhirl(N);
    double F = 1;
    for (int32_t K = 0; K < W.Capacity; ++K) {
        TParticle P{};
        SetVector(P.Pos, W.Radius, 0);
        RotateVector(P.Pos, Angle(Random));
        F *= W.Shrink;
        ScaleVector(P.Pos, F);
        W.Particles.push_back(P);
        W.Trail.push_back(MakeVector(Sway(Random), Sway(Random)));
    }
    return W;
}
