#pragma once
// Drawing the particle world on Screen, in centred coordinates.

#include <SDL.h>

#include "sim/particles/physics.h"

// Every wall as a line, then every particle as a dot (a five-pixel plus when
// Thick). With DrawForces, a particle that moved a whole pixel or more in
// its last step also shows its velocity as an arrow ten times as long.
// Colours are display pixel values.
void DrawPhysics(const TPhysics& P, Uint32 ParticleColour, Uint32 WallColour, Uint32 ArrowColour, bool DrawForces,
                 bool Thick);
