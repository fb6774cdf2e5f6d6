#include "sim/tornado/whirl.h"

#include <algorithm>
#include <cassert>
#include <cstddef>

#include "sim/geometry/angles.h"
#include "sim/geometry/rounding.h"
#include "sim/random.h"

namespace {

// Puts ring K on the base point (X, Y): its particle unturned at the orbit
// radius, its centre at the base moved by the mean offset (which already
// counts that particle) and raised by Rise pixels; then the particle is
// turned to a fresh random angle, the generator reseeded just before.
void PlaceRing(TWhirl& W, size_t K, double X, double Y, Extended Rise)
{
    TVector& Pos = W.Particles[K].Pos;
    SetVector(Pos, W.Radius, 0);
    const TVector C = WhirlCentre(W);
    W.Trail[K] = MakeVector(static_cast<double>(Extended(C.X) + Extended(X)),
                            static_cast<double>(Extended(C.Y) + Extended(Y) - Rise));
    Randomize();
    RotateVector(Pos, Random(360));
}

// A growing funnel appends ring k = L and places its centre N - k pixels
// above the base, so the first ring starts N pixels up and the last one
// before the funnel is full 1 pixel up.
void SpawnGrowing(TWhirl& W, double X, double Y)
{
    const size_t K = W.Particles.size();
    W.Particles.push_back(TParticle{});
    W.Trail.push_back(TVector{});
    PlaceRing(W, K, X, Y, static_cast<Extended>(W.Capacity) - static_cast<Extended>(K));
}

// A full funnel drops its oldest ring by copying every ring one place down
// within the arrays (nothing is allocated) and reuses the last place for the
// new ring, right on the base.
void SpawnFull(TWhirl& W, double X, double Y)
{
    std::copy(W.Particles.begin() + 1, W.Particles.end(), W.Particles.begin());
    std::copy(W.Trail.begin() + 1, W.Trail.end(), W.Trail.begin());
    PlaceRing(W, W.Particles.size() - 1, X, Y, 0);
}

// Every particle turns by 360 / radius degrees (4 at radius 100) and is
// drawn one Shrink factor narrower than the ring before it. The turn
// recomputes X and Y from the true orbit, so the shrinking never piles up.
void Orbit(TWhirl& W)
{
    double F = 1.0;
    for (TParticle& P : W.Particles) {
        // A particle on a zero radius has no orbit to run round.
        const Extended Length = Extended(P.Pos.Length);
        const int Turn = Length != 0 ? NormalizeAngle(static_cast<double>(360 / Length)) : 0;
        RotateVector(P.Pos, Turn);
        F = static_cast<double>(Extended(F) * Extended(W.Shrink));
        ScaleVector(P.Pos, F);
    }
}

// Each centre closes on its younger neighbour, youngest pair first, so a
// centre follows a neighbour that has already moved this step and a move of
// the base climbs the funnel over several steps. Only X and Y of the
// difference and of its scaled copy are read, so they are worked out as
// VectorDiff and VectorScaled work them out, without refreshing their
// length and angle.
void FollowTrail(TWhirl& W)
{
    if (W.Trail.size() < 2) return;
    const Extended Follow = Extended(W.Follow);
    for (size_t K = W.Trail.size() - 1; K-- > 0;) {
        TVector& Centre = W.Trail[K];
        const TVector& Younger = W.Trail[K + 1];
        const auto Dx = static_cast<double>(Extended(Younger.X) - Extended(Centre.X));
        const auto Dy = static_cast<double>(Extended(Younger.Y) - Extended(Centre.Y));
        TVector Step;
        Step.X = static_cast<double>(Extended(Dx) * Follow);
        Step.Y = static_cast<double>(Extended(Dy) * Follow);
        AddVector(Centre, Step);
    }
}

} // namespace

TWhirl CreateWhirl(int32_t N)
{
    TWhirl W;
    W.Capacity = std::max<int32_t>(N, 1);
    W.Radius = 100.0;
    W.Lift = MakeVector(0, static_cast<double>(Extended(-100) / W.Capacity));
    W.Follow = 0.65;
    W.Shrink = 0.5;
    if (W.Capacity > 5) W.Shrink = static_cast<double>(1 - Extended(5) / W.Capacity);
    return W;
}

TVector WhirlCentre(const TWhirl& W)
{
    TVector C;
    for (const TParticle& P : W.Particles) AddVector(C, P.Pos);
    if (W.Particles.empty()) return C;
    // Multiplied by the reciprocal, which stays in Extended.
    const Extended Reciprocal = Extended(1) / W.Particles.size();
    C.X = static_cast<double>(Extended(C.X) * Reciprocal);
    C.Y = static_cast<double>(Extended(C.Y) * Reciprocal);
    return C;
}

void StepWhirl(TWhirl& W, double X, double Y)
{
    // Ring k's particle and centre share their index.
    assert(W.Particles.size() == W.Trail.size());
    // The arrays' length, not Capacity, bounds the shift, so even a record
    // whose Capacity was never set steps without leaving its arrays.
    const size_t L = W.Particles.size();
    if (L == 0 || L < static_cast<size_t>(std::max<int32_t>(W.Capacity, 0)))
        SpawnGrowing(W, X, Y);
    else
        SpawnFull(W, X, Y);
    Orbit(W);
    FollowTrail(W);
}

void StepWhirlPlain(TWhirl& W, double X, double Y)
{
    const size_t L = W.Particles.size();
    if (L == 0 || L < static_cast<size_t>(std::max<int32_t>(W.Capacity, 0))) {
        W.Particles.push_back(TParticle{});
        W.Trail.push_back(TVector{});
        PlaceRing(W, L, X, Y, static_cast<Extended>(W.Capacity) - static_cast<Extended>(L));
    } else {
        for (size_t C = 0; C + 1 < L; ++C) {
            W.Particles[C] = W.Particles[C + 1];
            W.Trail[C] = W.Trail[C + 1];
        }
        PlaceRing(W, L - 1, X, Y, 0);
    }
    double F = 1.0;
    for (TParticle& P : W.Particles) {
        RotateVector(P.Pos, NormalizeAngle(static_cast<double>(360 / Extended(P.Pos.Length))));
        F = static_cast<double>(Extended(F) * Extended(W.Shrink));
        ScaleVector(P.Pos, F);
    }
    for (size_t K = W.Trail.size(); K-- > 1;) {
        const TVector D = VectorDiff(W.Trail[K], W.Trail[K - 1]);
        AddVector(W.Trail[K - 1], VectorScaled(D, W.Follow));
    }
}
