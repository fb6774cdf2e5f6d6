#include "support/busy_scene.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>
#include <string>

#include "support/particle_world.h"

TPhysics BusyWorld(size_t Particles, size_t Walls, int Steps)
{
    std::mt19937_64 Random(20261208);
    std::uniform_real_distribution<double> Place(-380, 380), Speed(-6, 6);
    TPhysics World;
    InitPhysics(World);
    World.Gravity = MakeVector(0, 0.5);
    for (size_t I = 0; I < Walls; ++I) {
        const double X = Place(Random), Y = 30 + Place(Random) * 0.6;
        World.Walls.push_back(Wall(X, Y, X + Speed(Random) * 15, Y + std::abs(Speed(Random)) * 10 + 1));
    }
    for (size_t I = 0; I < Particles; ++I)
        World.Particles.push_back(Particle(Place(Random), 30 + Place(Random) * 0.6, Speed(Random), Speed(Random)));
    for (int Step = 0; Step < Steps; ++Step) StepPhysics(World);
    return World;
}

TScene BusyScene()
{
    TScene Scene;
    Scene.World = BusyWorld(300, 40, 20);
    Scene.GravityValue = 500;
    Scene.WallFrictionValue = 250;
    Scene.AirFrictionValue = 3;
    Scene.DrawForces = true;
    Scene.Thick = true;
    Scene.Gesture = TSceneGesture::Wall;
    // The settings as the screen reads them from these spin edits, so that
    // a frame of the screen leaves them as they are.
    Scene.World.Gravity = MakeVector(0, 500 / 1000.0);
    Scene.World.WallFriction = 1 - 250 / 1000.0;
    Scene.World.AirFriction = 1 - 3 / 1000.0;
    return Scene;
}

namespace {

bool SameDouble(double A, double B) { return std::memcmp(&A, &B, sizeof A) == 0; }

bool SameVectorBits(const TVector& A, const TVector& B, const std::string& What)
{
    const bool Same =
        SameDouble(A.X, B.X) && SameDouble(A.Y, B.Y) && SameDouble(A.Length, B.Length) && SameDouble(A.Angle, B.Angle);
    if (!Same) {
        ADD_FAILURE() << What << " differs: (" << std::hexfloat << A.X << ", " << A.Y << ", " << A.Length << ", "
                      << A.Angle << ") against (" << B.X << ", " << B.Y << ", " << B.Length << ", " << B.Angle << ")";
    }
    return Same;
}

bool SameSegmentBits(const TSegment& A, const TSegment& B, const std::string& What)
{
    return SameVectorBits(A.A, B.A, What + ".A") && SameVectorBits(A.B, B.B, What + ".B") &&
           SameVectorBits(A.Delta, B.Delta, What + ".Delta");
}

} // namespace

bool SameBits(const TPhysics& A, const TPhysics& B)
{
    if (A.Particles.size() != B.Particles.size() || A.Walls.size() != B.Walls.size()) {
        ADD_FAILURE() << "different counts";
        return false;
    }
    if (!SameVectorBits(A.Gravity, B.Gravity, "Gravity") || !SameVectorBits(A.Force, B.Force, "Force") ||
        !SameDouble(A.WallFriction, B.WallFriction) || !SameDouble(A.AirFriction, B.AirFriction) ||
        !SameDouble(A.TimeStep, B.TimeStep)) {
        ADD_FAILURE() << "different settings";
        return false;
    }
    for (size_t I = 0; I < A.Walls.size(); ++I)
        if (!SameSegmentBits(A.Walls[I], B.Walls[I], "wall " + std::to_string(I))) return false;
    for (size_t I = 0; I < A.Particles.size(); ++I) {
        const TParticle &P = A.Particles[I], &Q = B.Particles[I];
        const std::string What = "particle " + std::to_string(I);
        if (!SameVectorBits(P.Pos, Q.Pos, What + ".Pos") || !SameVectorBits(P.OldPos, Q.OldPos, What + ".OldPos") ||
            !SameVectorBits(P.Vel, Q.Vel, What + ".Vel") || !SameVectorBits(P.OldVel, Q.OldVel, What + ".OldVel") ||
            !SameSegmentBits(P.Path, Q.Path, What + ".Path"))
            return false;
    }
    return true;
}
