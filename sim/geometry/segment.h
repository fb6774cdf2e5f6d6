#pragma once
// TSegment: two end points and their difference. Walls, a particle's path in
// one step, and the bounds of buttons and windows are segments.

#include "sim/geometry/rounding.h"
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
// (infinite where a coordinate is not finite or beyond SurelyMissReach).
struct TSegmentBox {
    double MinX, MaxX, MinY, MaxY;
    double Dx, Dy;
    double Reach;
};
TSegmentBox SegmentBox(const TSegment& S);

// The bounds SegmentsSurelyMiss stands on, as fractions of M^2 for M the
// largest coordinate of the two segments. SegmentsCross reads the signs of
// cross products summed from six products in Extended (Orientation): 11
// roundings, off the true value by less than 26 units of Extended's last
// place, so by less than OrientationError (2^-59 in x87 extended, 2^-48 in
// double). The quick test's cross product in double from A, B - A and the
// point is off by less than DoubleCrossError. One beyond SurelyMissMargin
// therefore has the true sign, and so has SegmentsCross's, and neither is zero.
inline constexpr double OrientationError = 32 * ExtendedUnit;
inline constexpr double DoubleCrossError = 0x1p-48;
inline constexpr double SurelyMissMargin = 0x1p-46;
static_assert(SurelyMissMargin >= 2 * (OrientationError + DoubleCrossError), "the margin covers both roundings");
// Added to the margin so that products lost to underflow (each off by at
// most 2^-1075) cannot change a sign either.
inline constexpr double SurelyMissFloor = 0x1p-1000;
// Up to this largest coordinate no product of the cross products, in
// double or in Extended, overflows (8 M^2 stays within 2^1003); beyond it
// nothing is sure.
inline constexpr double SurelyMissReach = 0x1p500;

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
