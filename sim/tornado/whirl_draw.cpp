#include "sim/tornado/whirl_draw.h"

#include <algorithm>
#include <cstddef>

#include "draw/display.h"
#include "draw/surface_lock.h"
#include "draw/vector_draw.h"
#include "sim/geometry/rounding.h"

void DrawWhirl(const TWhirl& W, Uint32 Colour, bool Thick)
{
    const TSurfaceLock Lock(Screen);
    if (!Lock.Locked()) return;
    const size_t L = std::min(W.Particles.size(), W.Trail.size());
    for (size_t B = 0; B < L; ++B) {
        const Extended Places = static_cast<Extended>(W.Capacity) - 1 - static_cast<Extended>(B);
        const TVector O = VectorSum(W.Trail[B], VectorScaled(W.Lift, static_cast<double>(Places)));
        DrawDotAt(W.Particles[B].Pos, Colour, O, 1.0, 0.5, Thick);
    }
}
