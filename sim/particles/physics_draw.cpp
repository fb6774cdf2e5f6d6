#include "sim/particles/physics_draw.h"

#include "draw/display.h"
#include "draw/surface_lock.h"
#include "draw/vector_draw.h"

void DrawPhysics(const TPhysics& P, Uint32 ParticleColour, Uint32 WallColour, Uint32 ArrowColour, bool DrawForces,
                 bool Thick)
{
    for (const TSegment& Wall : P.Walls) DrawSegment(Wall, WallColour);
    const TSurfaceLock Lock(Screen); // for the dots; the arrows' lines take their own
    if (!Lock.Locked()) return;
    for (const TParticle& Particle : P.Particles) {
        DrawDot(Particle.Pos, ParticleColour, Thick);
        // Only a particle that moved a whole pixel shows its velocity.
        if (DrawForces && !SameVector(Particle.Pos, Particle.OldPos))
            DrawArrow(Particle.Vel, ArrowColour, Particle.Pos, 10);
    }
}
