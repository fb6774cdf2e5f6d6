#include "sim/geometry/segment.h"

#include "sim/geometry/geometry.h"

#include <algorithm>
#include <cmath>

void UpdateSegment(TSegment& S) { S.Delta = VectorDiff(S.B, S.A); }

namespace {

bool OnSegment(const TSegment& S, const TVector& P)
{
    return PointOnSegment(S.A.X, S.A.Y, S.B.X, S.B.Y, P.X, P.Y);
}

int SideOf(const TSegment& S, const TVector& P)
{
    return Sign(Orientation(S.A.X, S.A.Y, S.B.X, S.B.Y, P.X, P.Y));
}

} // namespace

bool SegmentsCross(const TSegment& P, const TSegment& Q)
{
    if (OnSegment(P, Q.A) || OnSegment(P, Q.B) || OnSegment(Q, P.A) || OnSegment(Q, P.B)) return true;
    if (SideOf(P, Q.A) == SideOf(P, Q.B)) return false;
    return SideOf(Q, P.A) != SideOf(Q, P.B);
}

namespace {

// The cross product of P against the line from A along D, in double.
double Cross(const TVector& A, double Dx, double Dy, const TVector& P) { return Dx * (P.Y - A.Y) - Dy * (P.X - A.X); }

// Both ends of P on one side of the line of Q, by more than Threshold.
bool SurelyOneSide(const TSegment& Q, const TSegmentBox& QBox, const TSegment& P, double Threshold)
{
    const double A = Cross(Q.A, QBox.Dx, QBox.Dy, P.A);
    const double B = Cross(Q.A, QBox.Dx, QBox.Dy, P.B);
    return (A > Threshold && B > Threshold) || (A < -Threshold && B < -Threshold); // NaN is never sure
}

// The box test of PointOnSegment.
bool InBox(const TSegmentBox& Box, const TVector& P)
{
    return Box.MinY <= P.Y && P.Y <= Box.MaxY && Box.MinX <= P.X && P.X <= Box.MaxX;
}

} // namespace

TSegmentBox SegmentBox(const TSegment& S)
{
    TSegmentBox Box;
    Box.MinX = std::min(S.A.X, S.B.X);
    Box.MaxX = std::max(S.A.X, S.B.X);
    Box.MinY = std::min(S.A.Y, S.B.Y);
    Box.MaxY = std::max(S.A.Y, S.B.Y);
    Box.Dx = S.B.X - S.A.X;
    Box.Dy = S.B.Y - S.A.Y;
    Box.Reach = std::max({std::fabs(S.A.X), std::fabs(S.A.Y), std::fabs(S.B.X), std::fabs(S.B.Y)});
    // An infinity, a NaN or a product that could overflow: no bound holds,
    // nothing is sure.
    if (!(Box.Reach <= SurelyMissReach)) Box.Reach = HUGE_VAL;
    return Box;
}

// A double cross product beyond SurelyMissMargin M^2 (and beyond any
// underflow) has the sign SegmentsCross finds, in either arithmetic of
// Extended (segment.h). The sides decided here are then its signs, and its
// point-on-segment tests fail for every point off the line; those on the
// line are ruled out by the box.
bool SegmentsSurelyMiss(const TSegment& P, const TSegmentBox& PBox, const TSegment& Q, const TSegmentBox& QBox)
{
    const double M = std::max(PBox.Reach, QBox.Reach);
    const double Threshold = M * M * SurelyMissMargin + SurelyMissFloor; // infinite when M is
    // P's ends on one side of Q's line: s3 = s4, and neither lies on Q.
    if (SurelyOneSide(Q, QBox, P, Threshold))
        return (!InBox(PBox, Q.A) && !InBox(PBox, Q.B)) || SurelyOneSide(P, PBox, Q, Threshold);
    // Q's ends on one side of P's line: s1 = s2, and neither lies on P.
    return SurelyOneSide(P, PBox, Q, Threshold) && !InBox(QBox, P.A) && !InBox(QBox, P.B);
}

bool SegmentsSurelyMiss(const TSegment& P, const TSegment& Q)
{
    return SegmentsSurelyMiss(P, SegmentBox(P), Q, SegmentBox(Q));
}

bool SegmentsMissPlain(const TSegment& P, const TSegment& Q) { return !SegmentsCross(P, Q); }
