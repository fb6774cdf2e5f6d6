#pragma once
// TParticle: a point that moves one step at a time. The particle world and
// the whirl share it; a new particle is all zero but for what its creator sets.

#include "sim/geometry/segment.h"

struct TParticle {
    TVector Pos;    // position, pixels relative to the Origin
    TVector OldPos; // X and Y of Pos at the start of the last step (cache not kept)
    TVector Vel;    // velocity, pixels per step
    TVector OldVel; // X and Y of Vel at the start of the last step (cache not kept)
    TSegment Path;  // this step's straight move, Pos to Pos + Vel * TimeStep
};
