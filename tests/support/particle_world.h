#pragma once
// Particles and walls for worked examples of the particle world.

#include "sim/particle.h"
#include "sim/geometry/segment.h"

// A particle as the screen throws it: position and velocity refreshed.
inline TParticle Particle(double X, double Y, double VX, double VY)
{
    TParticle P;
    P.Pos = MakeVector(X, Y);
    P.Vel = MakeVector(VX, VY);
    return P;
}

// A wall from (AX, AY) to (BX, BY), its cached parts refreshed.
inline TSegment Wall(double AX, double AY, double BX, double BY)
{
    TSegment S{MakeVector(AX, AY), MakeVector(BX, BY), {}};
    UpdateSegment(S);
    return S;
}
