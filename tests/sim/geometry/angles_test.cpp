#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "sim/geometry/angles.h"

namespace {

class AnglesTest : public ::testing::Test {
protected:
    void SetUp() override { InitAngleTables(); }
};

} // namespace

TEST_F(AnglesTest, TablesHoldWholeDegreesIncluding360)
{
    EXPECT_EQ(CosTable[0], 1);
    EXPECT_EQ(CosTable[360], 1);
    EXPECT_EQ(SinTable[90], 1);
    EXPECT_EQ(CosTable[180], -1);
    // Within a few roundings of Extended (x87 extended or double).
    const Extended Close = Extended(20 * ExtendedUnit);
    EXPECT_LT(std::fabs(SinTable[30] - Extended(0.5)), Close);
    EXPECT_LT(std::fabs(SinTable[180]), Close);
    EXPECT_LT(std::fabs(SinTable[360]), Close);
}

TEST_F(AnglesTest, NormalizeAngleWrapsAndRoundsHalfToEven)
{
    EXPECT_EQ(NormalizeAngle(-0.4), 360); // 359.6 rounds up to the turn
    EXPECT_EQ(NormalizeAngle(-0.6), 359);
    EXPECT_EQ(NormalizeAngle(360), 360);
    EXPECT_EQ(NormalizeAngle(360.2), 0);
    EXPECT_EQ(NormalizeAngle(720), 0);
    EXPECT_EQ(NormalizeAngle(-720), 0);
    EXPECT_EQ(NormalizeAngle(0.5), 0);
    EXPECT_EQ(NormalizeAngle(1.5), 2);
    EXPECT_EQ(NormalizeAngle(-360), 0);
    EXPECT_EQ(NormalizeAngle(359.5), 360);
}

TEST_F(AnglesTest, NormalizeAngleAgreesWithTurnByTurnWrapping)
{
    std::mt19937_64 Random(7);
    std::uniform_real_distribution<double> Angles(-5000, 5000);
    for (int I = 0; I < 20000; ++I) {
        const double A = Angles(Random);
        ASSERT_EQ(NormalizeAngle(A), NormalizeAnglePlain(A)) << A;
    }
    // The edges of the one-turn shortcuts on either side of the range.
    for (const double A : {-1080.5, -359.5, 1e-300, -1e-300, 719.5, 1080.5, 720.0, std::nextafter(720.0, 0.0),
                           std::nextafter(360.0, 720.0), -360.0, std::nextafter(-360.0, 0.0),
                           std::nextafter(-360.0, -720.0), -0.0})
        EXPECT_EQ(NormalizeAngle(A), NormalizeAnglePlain(A)) << A;
}

TEST_F(AnglesTest, NormalizeAngleIsQuickAndDefinedForAnyInput)
{
    // One turn at a time these would take longer than the universe's age.
    for (const double A : {1e300, -1e300, 1e18, -1e18, std::numeric_limits<double>::max()}) {
        const int R = NormalizeAngle(A);
        EXPECT_GE(R, 0);
        EXPECT_LE(R, 360);
    }
    EXPECT_EQ(NormalizeAngle(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(NormalizeAngle(std::numeric_limits<double>::infinity()), 0);
    EXPECT_EQ(NormalizeAngle(-std::numeric_limits<double>::infinity()), 0);
}

TEST_F(AnglesTest, DirectionAngleInEveryQuadrantAndOnTheAxes)
{
    EXPECT_DOUBLE_EQ(DirectionAngle(0, 0, 1, 1), 45);
    EXPECT_DOUBLE_EQ(DirectionAngle(0, 0, -1, 1), 135);
    EXPECT_DOUBLE_EQ(DirectionAngle(0, 0, -1, -1), 225);
    EXPECT_DOUBLE_EQ(DirectionAngle(0, 0, 1, -1), 315);
    EXPECT_EQ(DirectionAngle(0, 0, 1, 0), 0);
    EXPECT_EQ(DirectionAngle(0, 0, 0, 1), 90);
    EXPECT_EQ(DirectionAngle(0, 0, -1, 0), 180);
    EXPECT_EQ(DirectionAngle(0, 0, 0, -1), 270);
    EXPECT_EQ(DirectionAngle(5, 5, 5, 5), 0);
    EXPECT_NEAR(DirectionAngle(0, 0, 30, -40), 306.869897645844, 1e-9);
    EXPECT_NEAR(DirectionAngle(10, 10, 13, 14), 53.130102354156, 1e-9); // measured from the first point
}

TEST_F(AnglesTest, RotatePointTurnsClockwiseByWholeDegrees)
{
    EXPECT_EQ(RotatePoint(40, 7, 50, 7, 0), (TPoint{40, 7}));
    EXPECT_EQ(RotatePoint(40, 7, 50, 7, 90), (TPoint{50, -3}));
    EXPECT_EQ(RotatePoint(40, 7, 50, 7, 450), (TPoint{50, -3}));
    EXPECT_EQ(RotatePoint(60, 7, 50, 7, 90), (TPoint{50, 17})); // right turns to down
    EXPECT_EQ(RotatePoint(0, 0, 10, 0, 30), (TPoint{1, -5}));
}
