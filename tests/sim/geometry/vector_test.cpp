#include <gtest/gtest.h>

#include "sim/geometry/angles.h"
#include "sim/geometry/geometry.h"
#include "sim/geometry/segment.h"

namespace {

class VectorTest : public ::testing::Test {
protected:
    void SetUp() override { InitAngleTables(); }
};

TSegment Segment(double X1, double Y1, double X2, double Y2)
{
    TSegment S{MakeVector(X1, Y1), MakeVector(X2, Y2), {}};
    UpdateSegment(S);
    return S;
}

} // namespace

TEST_F(VectorTest, MadeVectorsCarryLengthAndAngle)
{
    const TVector Zero = MakeVector(0, 0);
    EXPECT_EQ(Zero.Length, 0);
    EXPECT_EQ(Zero.Angle, 0);
    const TVector Down = MakeVector(0, 0.1);
    EXPECT_DOUBLE_EQ(Down.Length, 0.1);
    EXPECT_EQ(Down.Angle, 90);
    EXPECT_EQ(MakeVector(-3, 0).Angle, 180);
    EXPECT_EQ(MakeVector(0, -5).Angle, 270);
    EXPECT_DOUBLE_EQ(MakeVector(3, 4).Length, 5);
}

TEST_F(VectorTest, InPlaceOperationsLeaveTheCacheBehind)
{
    TVector V = MakeVector(3, 4);
    AddVector(V, MakeVector(3, 4));
    EXPECT_EQ(V.X, 6);
    EXPECT_EQ(V.Length, 5); // the old length until refreshed
    ScaleVector(V, -1);
    SubVector(V, MakeVector(1, 0));
    EXPECT_EQ(V.X, -7);
    EXPECT_EQ(V.Y, -8);
    EXPECT_DOUBLE_EQ(V.Angle, MakeVector(3, 4).Angle);
    UpdateLength(V);
    EXPECT_DOUBLE_EQ(V.Length, std::sqrt(113.0));

    // The refreshed results are current.
    const TVector S = VectorSum(MakeVector(1, 0), MakeVector(0, 1));
    EXPECT_DOUBLE_EQ(S.Angle, 45);
    EXPECT_DOUBLE_EQ(VectorDiff(MakeVector(1, 0), MakeVector(0, 1)).Angle, 315);
    EXPECT_EQ(PerpVector(MakeVector(1, 0)).Angle, 90);
    EXPECT_EQ(NegatedVector(MakeVector(2, 0)).Angle, 180);
    EXPECT_DOUBLE_EQ(VectorScaled(MakeVector(3, 4), 2).Length, 10);
}

TEST_F(VectorTest, SetVectorLengthDividesByTheCachedLength)
{
    TVector V = MakeVector(3, 4);
    V.X = 6; // cache still says 5
    V.Y = 8;
    SetVectorLength(V, 1);
    EXPECT_DOUBLE_EQ(V.X, 1.2);
    EXPECT_DOUBLE_EQ(V.Y, 1.6);
    EXPECT_DOUBLE_EQ(V.Length, 2);
    EXPECT_DOUBLE_EQ(V.Angle, MakeVector(3, 4).Angle); // untouched

    TVector Stale = MakeVector(0, 0);
    Stale.X = 5;
    SetVectorLength(Stale, 3); // a zero cached length: no fault, just zero
    EXPECT_EQ(Stale.X, 0);
    EXPECT_EQ(Stale.Y, 0);
    EXPECT_EQ(Stale.Length, 0);
}

TEST_F(VectorTest, AngleOperationsUseTheTablesAndTheCache)
{
    TVector V = MakeVector(10, 0);
    SetVectorAngle(V, 90.4);
    EXPECT_NEAR(V.X, 0, 1e-15);
    EXPECT_DOUBLE_EQ(V.Y, 10);
    EXPECT_DOUBLE_EQ(V.Angle, 90);

    TVector R = MakeVector(0, 2);
    RotateVector(R, 3.6); // 93.6 rounds to 94
    EXPECT_EQ(R.Angle, 94);
    EXPECT_EQ(R.Length, 2);
    EXPECT_DOUBLE_EQ(R.X, static_cast<double>(CosTable[94] * 2));
    RotateVector(R, 270); // 364 wraps to 4
    EXPECT_EQ(R.Angle, 4);
}

TEST_F(VectorTest, ReflectionTakesTheMirrorBranchAlongTheLineAndTheGeneralOneAcross)
{
    TVector Along = MakeVector(1, 0);
    ReflectVector(Along, MakeVector(5, 0)); // same angle: mirrored across the horizontal
    EXPECT_DOUBLE_EQ(Along.X, 1);
    EXPECT_NEAR(Along.Y, 0, 1e-15);
    EXPECT_TRUE(Along.Angle < 1e-9 || Along.Angle > 360 - 1e-9) << Along.Angle; // right, as 0 or 360

    TVector Across = MakeVector(1, 0);
    ReflectVector(Across, MakeVector(0, 3)); // mirror about 90: straight back
    EXPECT_DOUBLE_EQ(Across.X, -1);
    EXPECT_NEAR(Across.Y, 0, 1e-15);
    EXPECT_NEAR(Across.Angle, 180, 1e-9);

    // The general branch reads the lagging cache: a vector that still holds
    // the length 10 and angle 90 of an earlier state is rebuilt from them.
    TVector Lagging = MakeVector(0, 10);
    AddVector(Lagging, MakeVector(0, 0.0899));
    ReflectVector(Lagging, MakeVector(200, 0));
    EXPECT_NEAR(Lagging.X, 0, 1e-12);
    EXPECT_DOUBLE_EQ(Lagging.Y, -10.0899);
    EXPECT_DOUBLE_EQ(Lagging.Length, 10.0899);
}

TEST_F(VectorTest, SameVectorMeansBothComponentsWithinOne)
{
    EXPECT_TRUE(SameVector(MakeVector(0, 0), MakeVector(0.999, -0.999)));
    EXPECT_FALSE(SameVector(MakeVector(0, 0), MakeVector(1, 0)));
    EXPECT_FALSE(SameVector(MakeVector(0, 0), MakeVector(0, -1)));
    TVector A = MakeVector(1, 2), B = MakeVector(3, 4);
    SwapVectors(A, B);
    EXPECT_EQ(A.X, 3);
    EXPECT_EQ(B.Length, MakeVector(1, 2).Length);
}

TEST_F(VectorTest, PointsAndSignsOnSegments)
{
    EXPECT_EQ(Sign(-3.5), -1);
    EXPECT_EQ(Sign(0.0), 0);
    EXPECT_EQ(Sign(1e-300), 1);
    EXPECT_GT(Orientation(0, 0, 10, 0, 5, 5), 0); // below the rightward ray: its right-hand side on screen
    EXPECT_TRUE(PointOnSegment(0, 0, 10, 10, 0, 0));
    EXPECT_TRUE(PointOnSegment(0, 0, 10, 10, 10, 10));
    EXPECT_TRUE(PointOnSegment(0, 0, 10, 10, 4, 4));
    EXPECT_FALSE(PointOnSegment(0, 0, 10, 10, 11, 11)); // on the line, outside the box
    EXPECT_FALSE(PointOnSegment(0, 0, 10, 10, 4, 4.000001));
}

TEST_F(VectorTest, SegmentsCrossIncludesTouchingButNotParallelOrCollinearApart)
{
    EXPECT_TRUE(SegmentsCross(Segment(0, 0, 10, 10), Segment(0, 10, 10, 0)));
    EXPECT_FALSE(SegmentsCross(Segment(0, 0, 10, 10), Segment(20, 0, 30, -10)));
    EXPECT_TRUE(SegmentsCross(Segment(0, 0, 10, 0), Segment(10, 0, 10, 10)));   // shared end point
    EXPECT_TRUE(SegmentsCross(Segment(5, -5, 5, 0), Segment(0, 0, 10, 0)));     // touches the wall
    EXPECT_FALSE(SegmentsCross(Segment(0, 0, 10, 0), Segment(0, 1, 10, 1)));    // parallel apart
    EXPECT_FALSE(SegmentsCross(Segment(0, 0, 10, 0), Segment(11, 0, 20, 0)));   // collinear apart
    EXPECT_TRUE(SegmentsCross(Segment(0, 0, 10, 0), Segment(5, 0, 20, 0)));     // collinear overlap
    EXPECT_FALSE(SegmentsCross(Segment(0, 45, 0, 49.9), Segment(-100, 50, 100, 50)));
    EXPECT_TRUE(SegmentsCross(Segment(0, 45, 0, 55.0899), Segment(-100, 50, 100, 50)));
}
