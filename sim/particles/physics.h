#pragma once
// TPhysics: the particle world. Point particles fall under a constant
// gravity and a second constant acceleration, lose speed to air friction,
// bounce off straight walls and collide when they come within a pixel of
// each other. Pure arithmetic: drawing lives in physics_draw.h.

#include <vector>

#include "sim/geometry/segment.h"
#include "sim/particle.h"

struct TPhysics {
    std::vector<TParticle> Particles; // in order of creation; never removed
    std::vector<TSegment> Walls;      // in order of creation; the step reads A, B and Delta.Angle
    TVector Gravity;                  // pixels per unit of time², added every step, taken back after a wall hit
    TVector Force;                    // pixels per unit of time², added every step and kept after a wall hit
    double WallFriction = 0;          // factor: wall hits and particle collisions keep this much speed
    double AirFriction = 0;           // factor: velocities keep this much per unit of time
    double TimeStep = 0;              // units of time per step; InitPhysics makes it 1
};

// Empties the world and sets the defaults: gravity (0, 0.1) and no force,
// both refreshed; wall friction 0.7, air friction 0.999, time step 1.
void InitPhysics(TPhysics& P);

// Moves every particle one step, in array order, each one completely (its
// walls, its move, its collisions with later particles) before the next.
// A particle whose step runs into an arithmetic fault keeps what was done
// before the fault and skips the rest of this step; the others go on.
// A fast path (docs/exactness.md): bit for bit what StepPhysicsPlain gives.
void StepPhysics(TPhysics& P);

// The reference StepPhysics is held to: every particle tests every wall in
// full in every pass and every later particle for a collision. Slow (the
// pairs grow with the square of the particles); used only by tests.
void StepPhysicsPlain(TPhysics& P);
