#pragma once
// TSegment: two end points and their difference. Walls, a particle's path in
// one step, and the bounds of buttons and windows are segments.

#include "sim/geometry/vector.h"

struct TSegment {
    TVector A;     // first end point (top-left corner of a bounds)
    TVector B;     // second end point (bottom-right corner of a bounds)
    TVector Delta; // B - A as of the last UpdateSegment, with its own cache
};

// Delta := B - A, refreshed.
void UpdateSegment(TSegment& S);

// P (the moving segment) and Q (the wall) touch or cross; a shared end point
// counts, collinear segments that share no point do not.
bool SegmentsCross(const TSegment& P, const TSegment& Q);
