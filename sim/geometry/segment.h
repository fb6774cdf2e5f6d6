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

// What SegmentsSurelyMiss reads of a segment, worked out once for a
// segment tested many times: its box, B - A, and its largest coordinate
// (infinite where a coordinate is not finite).
struct TSegmentBox {
    double MinX, MaxX, MinY, MaxY;
    double Dx, Dy;
    double Reach;
};
TSegmentBox SegmentBox(const TSegment& S);

// A quick test that is true only where SegmentsCross(P, Q) is certainly
// false: both end points of one segment lie clearly on one side of the
// other's line (by more than the cross product's rounding could move them),
// and the other's end points do not lie within its box, or they too lie
// clearly on one side. Where it is false, SegmentsCross decides. A fast
// path (docs/exactness.md): true only where SegmentsMissPlain is.
bool SegmentsSurelyMiss(const TSegment& P, const TSegmentBox& PBox, const TSegment& Q, const TSegmentBox& QBox);
bool SegmentsSurelyMiss(const TSegment& P, const TSegment& Q);

// The reference SegmentsSurelyMiss is held to: the full test says the
// segments do not touch. Used only by tests.
bool SegmentsMissPlain(const TSegment& P, const TSegment& Q);
