#include "sim/particles/physics.h"

#include <cassert>
#include <cmath>
#include <cstring>

#include "sim/geometry/geometry.h"
#include "sim/geometry/rounding.h"
#include "sim/particles/collision_grid.h"
#include "sim/particles/wall_grid.h"

// The fault guard. Each particle's step runs on its own: when an arithmetic
// fault shows itself, the rest of that particle's step is dropped, what was
// done before stays, and the next particle is stepped as usual.
//
// IEEE arithmetic does not trap, so a fault is recognised by its result:
// every operation of the step that writes to the particle (or to its
// partner in a collision) or makes a value the step goes on with is checked
// for a value no double can hold (an overflow to infinity, or NaN), and a
// division by a zero TimeStep is refused before it is made. The operation
// that fails leaves its target as it was, as a trapping store would, so the
// step never writes an infinity or NaN into the world. A vector that
// already holds one (the step never makes such a vector, but a caller may)
// fails the first operation that changes it.
//
// The wall test is not guarded: its cross products are worked out in
// Extended and only their signs are read. Where double is the arithmetic of
// Extended, a sum that overflows may read as no side at all; that is a
// miss, not a fault. SetVectorLength's zero length is
// handled by SetVectorLength itself and is no fault.

namespace {

struct TArithmeticFault {};

bool IsFinite(const TVector& V)
{
    return std::isfinite(V.X) && std::isfinite(V.Y) && std::isfinite(V.Length) && std::isfinite(V.Angle);
}

bool IsFinite(const TSegment& S) { return IsFinite(S.A) && IsFinite(S.B) && IsFinite(S.Delta); }

// A vector the step goes on with; it stands only when finite.
TVector Checked(const TVector& V)
{
    if (!IsFinite(V)) throw TArithmeticFault{};
    return V;
}

// A real the step goes on with, stored as double; it stands only when finite.
double Checked(Extended X)
{
    const double Value = static_cast<double>(X);
    if (!std::isfinite(Value)) throw TArithmeticFault{};
    return Value;
}

// Runs Operation on Target; a result that is not finite is a fault, and
// Target is put back as it was before the fault is raised.
template <typename TRecord, typename TOperation>
void Change(TRecord& Target, TOperation&& Operation)
{
    const TRecord Before = Target;
    Operation(Target);
    if (IsFinite(Target)) return;
    Target = Before;
    throw TArithmeticFault{};
}

void Add(TVector& V, const TVector& W)
{
    Change(V, [&](TVector& T) { AddVector(T, W); });
}

void Subtract(TVector& V, const TVector& W)
{
    Change(V, [&](TVector& T) { SubVector(T, W); });
}

void Scale(TVector& V, double K)
{
    Change(V, [&](TVector& T) { ScaleVector(T, K); });
}

void Reflect(TVector& V, const TVector& Mirror)
{
    Change(V, [&](TVector& T) { ReflectVector(T, Mirror); });
}

// 1 - (1 - Friction) / Dt: the share of a velocity that a whole step of
// friction leaves.
double FrictionFactor(double Friction, double Dt)
{
    if (Dt == 0) throw TArithmeticFault{};
    return Checked(1 - (1 - Extended(Friction)) / Extended(Dt));
}

// The straight move of this step, from Pos to Pos + Vel * Dt.
void BuildPathPlain(TParticle& Particle, double Dt)
{
    Particle.Path.A = Particle.Pos;
    Particle.Path.B = Checked(VectorSum(Particle.Pos, Checked(VectorScaled(Particle.Vel, Dt))));
    Change(Particle.Path, UpdateSegment);
}

// Reflects the velocity off every wall the path crosses, pass after pass,
// until a pass hits nothing or walls + 1 passes have run. The reflection
// reads Vel's cached Length and Angle, which lag behind its components: on
// the first hit they are those of the start of the step.
void BounceOffWallsPlain(const TPhysics& P, TParticle& Particle)
{
    const double Dt = P.TimeStep;
    TVector& V = Particle.Vel;
    size_t Pass = 0;
    bool Hit;
    do {
        ++Pass;
        Hit = false;
        for (const TSegment& Wall : P.Walls) {
            if (!SegmentsCross(Particle.Path, Wall)) continue;
            Reflect(V, Wall.Delta);
            // A reflection that hardly changes the start velocity costs no speed.
            if (!SameVector(V, Particle.OldVel)) Scale(V, FrictionFactor(P.WallFriction, Dt));
            // This step's gravity is taken back; its Force stays.
            Subtract(V, Checked(VectorScaled(P.Gravity, Dt)));
            BuildPathPlain(Particle, Dt);
            Hit = true;
        }
    } while (Hit && Pass <= P.Walls.size());
}

// The common speed after a collision's reflections, from the cached
// lengths that the reflections refreshed and the scaling left behind.
void ShareSpeed(TParticle& Pi, TParticle& Pm)
{
    const double Speed = Checked((Extended(Pi.Vel.Length) + Extended(Pm.Vel.Length)) / 2);
    Change(Pi.Vel, [&](TVector& T) { SetVectorLength(T, Speed); });
    Change(Pm.Vel, [&](TVector& T) { SetVectorLength(T, Speed); });
    // A particle left without speed takes the other's velocity, reversed.
    if (Pi.Vel.Length == 0)
        Pi.Vel = Checked(NegatedVector(Pm.Vel));
    else if (Pm.Vel.Length == 0)
        Pm.Vel = Checked(NegatedVector(Pi.Vel));
}

// Pi (just moved) and Pm (not yet stepped) within a pixel of each other and
// moving differently bounce across the line that joins them. The common
// speed is worked out from the lengths cached by the reflections, before
// the friction scaling, so both end with WallFriction times that speed.
void CollidePlain(const TPhysics& P, TParticle& Pi, TParticle& Pm)
{
    if (!SameVector(Pi.Pos, Pm.Pos) || SameVector(Pi.Vel, Pm.Vel)) return;
    Reflect(Pi.Vel, Checked(PerpVector(VectorDiff(Pi.Pos, Pm.Pos))));
    Scale(Pi.Vel, P.WallFriction);
    Reflect(Pm.Vel, Checked(PerpVector(VectorDiff(Pi.Pos, Pm.Pos))));
    Scale(Pm.Vel, P.WallFriction);
    ShareSpeed(Pi, Pm);
}

// CollidePlain with the mirror direction worked out once: both partners'
// positions stay as they are, so the second would be the same vector, and
// PerpVector reads only X and Y of the difference, so its cache is not
// refreshed.
void Collide(const TPhysics& P, TParticle& Pi, TParticle& Pm)
{
    if (!SameVector(Pi.Pos, Pm.Pos) || SameVector(Pi.Vel, Pm.Vel)) return;
    const auto Dx = static_cast<double>(Extended(Pi.Pos.X) - Extended(Pm.Pos.X));
    const auto Dy = static_cast<double>(Extended(Pi.Pos.Y) - Extended(Pm.Pos.Y));
    const TVector Mirror = Checked(MakeVector(-Dy, Dx));
    Reflect(Pi.Vel, Mirror);
    Scale(Pi.Vel, P.WallFriction);
    Reflect(Pm.Vel, Mirror);
    Scale(Pm.Vel, P.WallFriction);
    ShareSpeed(Pi, Pm);
}

// One particle's whole step, every wall and every later particle tested in
// full; throws TArithmeticFault where a fault stops it.
void StepParticlePlain(TPhysics& P, size_t Index)
{
    TParticle& Particle = P.Particles[Index];
    TVector& V = Particle.Vel;
    const double Dt = P.TimeStep;

    // Only the components: the caches of OldPos and OldVel are not kept.
    Particle.OldPos.X = Particle.Pos.X;
    Particle.OldPos.Y = Particle.Pos.Y;
    Particle.OldVel.X = V.X;
    Particle.OldVel.Y = V.Y;

    // V's cache keeps describing the velocity at the end of the last step.
    Add(V, Checked(VectorScaled(P.Gravity, Dt)));
    Add(V, Checked(VectorScaled(P.Force, Dt)));
    Scale(V, FrictionFactor(P.AirFriction, Dt));

    BuildPathPlain(Particle, Dt);
    BounceOffWallsPlain(P, Particle);

    Add(Particle.Pos, Checked(VectorScaled(V, Dt)));
    Change(Particle.Pos, UpdateLength);
    Change(Particle.Pos, UpdateAngle);
    Change(V, UpdateLength);
    Change(V, UpdateAngle);

    for (size_t M = Index + 1; M < P.Particles.size(); ++M) CollidePlain(P, Particle, P.Particles[M]);
}

// A value that is the same for every particle of a step, worked out once.
// Where working it out faults, each particle's step faults at the point
// where it would have worked it out itself.
template <typename T>
class TStepValue {
public:
    template <typename TMake>
    explicit TStepValue(TMake&& Make)
    {
        try {
            Value = Make();
        } catch (const TArithmeticFault&) {
            Faulted = true;
        }
    }
    const T& Get() const
    {
        if (Faulted) throw TArithmeticFault{};
        return Value;
    }

private:
    T Value{};
    bool Faulted = false;
};

struct TStepValues {
    TStepValue<TVector> GravityStep; // Gravity * dt
    TStepValue<TVector> ForceStep;   // Force * dt
    TStepValue<double> AirFactor;
    TStepValue<double> WallFactor;
    std::vector<TSegmentBox> WallBoxes; // for SegmentsSurelyMiss
    explicit TStepValues(const TPhysics& P)
        : GravityStep([&] { return Checked(VectorScaled(P.Gravity, P.TimeStep)); }),
          ForceStep([&] { return Checked(VectorScaled(P.Force, P.TimeStep)); }),
          AirFactor([&] { return FrictionFactor(P.AirFriction, P.TimeStep); }),
          WallFactor([&] { return FrictionFactor(P.WallFriction, P.TimeStep); })
    {
        WallBoxes.reserve(P.Walls.size());
        for (const TSegment& Wall : P.Walls) WallBoxes.push_back(SegmentBox(Wall));
    }
};

// V * Dt as far as a sum reads it (X and Y), faulting exactly where the
// refreshed VectorScaled(V, Dt) would hold a value no double can: X or Y,
// or the length. Its angle is finite whenever X and Y are, so it is not
// worked out.
TVector ScaledMove(const TVector& V, double Dt)
{
    TVector Move;
    Move.X = static_cast<double>(Extended(V.X) * Extended(Dt));
    Move.Y = static_cast<double>(Extended(V.Y) * Extended(Dt));
    if (!std::isfinite(Move.X) || !std::isfinite(Move.Y)) throw TArithmeticFault{};
    // Below 2^500 in both the length cannot overflow.
    if (!(std::fabs(Move.X) < 0x1p500 && std::fabs(Move.Y) < 0x1p500) &&
        !std::isfinite(Distance(0, 0, Extended(Move.X), Extended(Move.Y))))
        throw TArithmeticFault{};
    return Move;
}

// BuildPathPlain with the move scaled by ScaledMove, which faults where
// the refreshed product would.
void BuildPath(TParticle& Particle, double Dt)
{
    Particle.Path.A = Particle.Pos;
    Particle.Path.B = Checked(VectorSum(Particle.Pos, ScaledMove(Particle.Vel, Dt)));
    Change(Particle.Path, UpdateSegment);
}

bool SameBits(const TVector& A, const TVector& B) { return std::memcmp(&A, &B, sizeof(TVector)) == 0; }

// The passes of BounceOffWallsPlain with two shortcuts that change nothing:
// a wall the path surely misses is not tested in full (the walls its
// cells rule out are not even looked at, and the cells are asked again
// after each hit, as the path changes), and once a pass that hit a wall ends where it began (same
// velocity with its cache, same path) every further pass would do the
// same, so they are not run. A particle lying on a wall thus costs two
// passes, not one per wall.
void BounceOffWalls(const TPhysics& P, const TStepValues& Values, TWallGrid& WallGrid, TParticle& Particle,
                    std::vector<uint64_t>& Near)
{
    if (P.Walls.empty()) return;
    const double Dt = P.TimeStep;
    TVector& V = Particle.Vel;
    TSegmentBox PathBox = SegmentBox(Particle.Path);
    size_t Pass = 0;
    bool Hit;
    do {
        ++Pass;
        Hit = false;
        const TVector StartVel = V;
        const TSegment StartPath = Particle.Path;
        FindWallsNearPath(WallGrid, PathBox, Near);
        for (size_t K = NextWall(Near, 0, P.Walls.size()); K < P.Walls.size();
             K = NextWall(Near, K + 1, P.Walls.size())) {
            const TSegment& Wall = P.Walls[K];
            if (SegmentsSurelyMiss(Particle.Path, PathBox, Wall, Values.WallBoxes[K]) ||
                !SegmentsCross(Particle.Path, Wall))
                continue;
            Reflect(V, Wall.Delta);
            if (!SameVector(V, Particle.OldVel)) Scale(V, Values.WallFactor.Get());
            Subtract(V, Values.GravityStep.Get());
            BuildPath(Particle, Dt);
            PathBox = SegmentBox(Particle.Path);
            FindWallsNearPath(WallGrid, PathBox, Near);
            Hit = true;
        }
        if (Hit && SameBits(V, StartVel) && SameBits(Particle.Path.A, StartPath.A) &&
            SameBits(Particle.Path.B, StartPath.B) && SameBits(Particle.Path.Delta, StartPath.Delta))
            break;
    } while (Hit && Pass <= P.Walls.size());
}

// StepParticlePlain with the same values found with less work: the step's
// constants come from Values, the later particles within a pixel from the
// grid (in the same ascending order), and refreshed caches that the step
// has already worked out for the same X and Y are copied, not recomputed.
void StepParticle(TPhysics& P, const TStepValues& Values, TCollisionGrid& Grid, std::vector<int32_t>& Near,
                  TWallGrid& WallGrid, std::vector<uint64_t>& NearWalls, size_t Index)
{
    TParticle& Particle = P.Particles[Index];
    TVector& V = Particle.Vel;
    const double Dt = P.TimeStep;

    Particle.OldPos.X = Particle.Pos.X;
    Particle.OldPos.Y = Particle.Pos.Y;
    Particle.OldVel.X = V.X;
    Particle.OldVel.Y = V.Y;

    Add(V, Values.GravityStep.Get());
    Add(V, Values.ForceStep.Get());
    Scale(V, Values.AirFactor.Get());

    BuildPath(Particle, Dt);
    BounceOffWalls(P, Values, WallGrid, Particle, NearWalls);

    // The path ends where the particle moves to, worked out the same way,
    // so its end point's cache is the moved position's.
    Add(Particle.Pos, ScaledMove(V, Dt));
    const TVector& End = Particle.Path.B;
    const bool AtPathEnd = End.X == Particle.Pos.X && End.Y == Particle.Pos.Y;
    Change(Particle.Pos, [&](TVector& T) { AtPathEnd ? void(T.Length = End.Length) : UpdateLength(T); });
    Change(Particle.Pos, [&](TVector& T) { AtPathEnd ? void(T.Angle = End.Angle) : UpdateAngle(T); });
    // With a time step of 1 the path's Delta is often V itself.
    const TVector& Delta = Particle.Path.Delta;
    const bool AsDelta = Delta.X == V.X && Delta.Y == V.Y;
    Change(V, [&](TVector& T) { AsDelta ? void(T.Length = Delta.Length) : UpdateLength(T); });
    Change(V, [&](TVector& T) { AsDelta ? void(T.Angle = Delta.Angle) : UpdateAngle(T); });

    FindNearParticles(Grid, Particle.Pos.X, Particle.Pos.Y, Near);
    for (const int32_t M : Near) Collide(P, Particle, P.Particles[static_cast<size_t>(M)]);
}

} // namespace

void InitPhysics(TPhysics& P)
{
    P.Particles.clear();
    P.Walls.clear();
    P.Gravity = MakeVector(0, 0.1);
    P.Force = MakeVector(0, 0);
    P.WallFriction = 0.7;
    P.AirFriction = 0.999;
    P.TimeStep = 1.0;
}

void StepPhysics(TPhysics& P)
{
    const TStepValues Values(P);
    // Filed by their positions at the start of the step, which are theirs
    // until their own turn; each leaves the grid as its turn comes.
    TCollisionGrid Grid;
    BuildCollisionGrid(Grid, P.Particles);
    std::vector<int32_t> Near;
    TWallGrid WallGrid;
    BuildWallGrid(WallGrid, P.Walls);
    std::vector<uint64_t> NearWalls;
    // The walls' boxes and the grid are indexed by wall, as P.Walls is.
    assert(Values.WallBoxes.size() == P.Walls.size() && WallGrid.Boxes.size() == P.Walls.size());
    for (size_t I = 0; I < P.Particles.size(); ++I) {
        RemoveFromCollisionGrid(Grid, I);
        try {
            StepParticle(P, Values, Grid, Near, WallGrid, NearWalls, I);
        } catch (const TArithmeticFault&) {
            // The rest of this particle's step is dropped; the next goes on.
        }
    }
}

void StepPhysicsPlain(TPhysics& P)
{
    for (size_t I = 0; I < P.Particles.size(); ++I) {
        try {
            StepParticlePlain(P, I);
        } catch (const TArithmeticFault&) {
        }
    }
}
