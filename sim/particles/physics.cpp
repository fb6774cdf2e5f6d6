#include "sim/particles/physics.h"

#include <cmath>

#include "sim/geometry/rounding.h"

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
// extended precision and only their signs are read, which stay right even
// where the double result overflows. SetVectorLength's zero length is
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
    return Checked(1 - (1 - static_cast<Extended>(Friction)) / Dt);
}

// The straight move of this step, from Pos to Pos + Vel * Dt.
void BuildPath(TParticle& Particle, double Dt)
{
    Particle.Path.A = Particle.Pos;
    Particle.Path.B = Checked(VectorSum(Particle.Pos, Checked(VectorScaled(Particle.Vel, Dt))));
    Change(Particle.Path, UpdateSegment);
}

// Reflects the velocity off every wall the path crosses, pass after pass,
// until a pass hits nothing or walls + 1 passes have run. The reflection
// reads Vel's cached Length and Angle, which lag behind its components: on
// the first hit they are those of the start of the step.
void BounceOffWalls(const TPhysics& P, TParticle& Particle)
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
            BuildPath(Particle, Dt);
            Hit = true;
        }
    } while (Hit && Pass <= P.Walls.size());
}

// Pi (just moved) and Pm (not yet stepped) within a pixel of each other and
// moving differently bounce across the line that joins them. The common
// speed is worked out from the lengths cached by the reflections, before
// the friction scaling, so both end with WallFriction times that speed.
void Collide(const TPhysics& P, TParticle& Pi, TParticle& Pm)
{
    if (!SameVector(Pi.Pos, Pm.Pos) || SameVector(Pi.Vel, Pm.Vel)) return;
    Reflect(Pi.Vel, Checked(PerpVector(VectorDiff(Pi.Pos, Pm.Pos))));
    Scale(Pi.Vel, P.WallFriction);
    Reflect(Pm.Vel, Checked(PerpVector(VectorDiff(Pi.Pos, Pm.Pos))));
    Scale(Pm.Vel, P.WallFriction);
    const double Speed = Checked((static_cast<Extended>(Pi.Vel.Length) + Pm.Vel.Length) / 2);
    Change(Pi.Vel, [&](TVector& T) { SetVectorLength(T, Speed); });
    Change(Pm.Vel, [&](TVector& T) { SetVectorLength(T, Speed); });
    // A particle left without speed takes the other's velocity, reversed.
    if (Pi.Vel.Length == 0)
        Pi.Vel = Checked(NegatedVector(Pm.Vel));
    else if (Pm.Vel.Length == 0)
        Pm.Vel = Checked(NegatedVector(Pi.Vel));
}

// One particle's whole step; throws TArithmeticFault where a fault stops it.
void StepParticle(TPhysics& P, size_t Index)
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

    BuildPath(Particle, Dt);
    BounceOffWalls(P, Particle);

    Add(Particle.Pos, Checked(VectorScaled(V, Dt)));
    Change(Particle.Pos, UpdateLength);
    Change(Particle.Pos, UpdateAngle);
    Change(V, UpdateLength);
    Change(V, UpdateAngle);

    for (size_t M = Index + 1; M < P.Particles.size(); ++M) Collide(P, Particle, P.Particles[M]);
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
    for (size_t I = 0; I < P.Particles.size(); ++I) {
        try {
            StepParticle(P, I);
        } catch (const TArithmeticFault&) {
            // The rest of this particle's step is dropped; the next goes on.
        }
    }
}
