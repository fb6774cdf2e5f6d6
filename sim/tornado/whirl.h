#pragma once
// TWhirl: the tornado funnel, a cloud of orbiting single-pixel particles.
//
// Every step spawns one particle on a ring at the bottom of the funnel and
// ages the others by one place: each place up is drawn higher by Lift and
// wider by the factor 1 / Shrink (the oldest ring is the widest). The ring
// centres form a trail that closes on the base point with a lag, so the
// funnel bends and sways when the base moves. Once Capacity rings are held,
// the oldest ring is dropped for each new one.

#include <cstdint>
#include <vector>

#include "sim/geometry/vector.h"
#include "sim/particle.h"

struct TWhirl {
    // One particle per ring, oldest first. Only Pos is used: its Length and
    // Angle hold the orbit (radius in pixels, whole degrees clockwise), its X
    // and Y the offset from the ring centre as drawn (pixels, already shrunk).
    std::vector<TParticle> Particles;
    // Parallel to Particles: Trail[k] is the centre of ring k, pixels relative
    // to the Origin (only X and Y are meaningful).
    std::vector<TVector> Trail;
    int32_t Capacity = 0;   // N: rings the funnel holds when full
    double Radius = 0;      // orbit radius of a new particle, pixels
    TVector Lift;           // drawing offset per place of age, pixels (upwards)
    double Follow = 0;      // fraction of the way a centre closes on its younger neighbour per step
    double Shrink = 0;      // drawing scale per place along the funnel
};

// An empty whirl of N rings with its constants. The lift divides by N, so an
// N below 1 makes a whirl of one ring.
TWhirl CreateWhirl(int32_t N);

// The mean drawn offset of all particles (X and Y only; (0, 0) when empty).
TVector WhirlCentre(const TWhirl& W);

// Advances the funnel by one step about the base point (X, Y), pixels
// relative to the Origin: spawn, orbit, follow. A fast path
// (docs/exactness.md): bit for bit what StepWhirlPlain gives.
void StepWhirl(TWhirl& W, double X, double Y);

// The reference StepWhirl is held to: the same step in whole vector
// operations that refresh every cache, rings moved down one by one. Used
// only by tests.
void StepWhirlPlain(TWhirl& W, double X, double Y);
