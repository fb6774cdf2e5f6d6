#include "sim/geometry/segment.h"

#include "sim/geometry/geometry.h"

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
