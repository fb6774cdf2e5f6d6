#include <gtest/gtest.h>

#include <limits>

#include "draw/display.h"
#include "draw/surface_lock.h"
#include "sim/geometry/angles.h"
#include "draw/vector_draw.h"
#include "support/headless.h"

namespace {

class VectorDrawTest : public ::testing::Test {
protected:
    THeadless Program;
    Uint32 Black = MapColour(0, 0, 0);
    Uint32 Green = MapColour(0, 255, 0);
    void SetUp() override { SDL_FillRect(Screen, nullptr, Black); }
};

} // namespace

TEST_F(VectorDrawTest, ArrowHasAShaftAndTwoTenPixelBarbs)
{
    DrawArrow(MakeVector(2, 0), Green, MakeVector(0.4, -0.4), 10); // tip at (20, 0)
    const auto Painted = PixelsOtherThan(Black);
    // Centred, one-based: (x, y) lands on zero-based display (399 + x, 299 + y).
    for (int X = 1; X <= 20; ++X) EXPECT_TRUE(Painted.count({399 + X, 299})) << X;
    EXPECT_FALSE(Painted.count({399, 299})) << "a line leaves out its start";
    // The barbs turn the backward unit by 30 degrees either way: to (11, -5) and (11, 5).
    EXPECT_TRUE(Painted.count({399 + 11, 299 - 5}));
    EXPECT_TRUE(Painted.count({399 + 11, 299 + 5}));
    EXPECT_EQ(RotatePoint(10, 0, 20, 0, 30), (TPoint{11, -5}));
}

TEST_F(VectorDrawTest, DotsRoundAsAWholeAndThickOnesArePlusSigns)
{
    {
        const TSurfaceLock Lock(Screen);
        DrawDotAt(MakeVector(3, 3), Green, MakeVector(0.5, 0.5), 1.0, 0.5, true); // (3.5, 2.0) -> (4, 2)
    }
    const std::set<std::pair<int, int>> Plus = {{403, 301}, {402, 301}, {404, 301}, {403, 300}, {403, 302}};
    EXPECT_EQ(PixelsOtherThan(Black), Plus);
}

TEST_F(VectorDrawTest, CoordinatesWithoutAPixelDrawNothing)
{
    const double NaN = std::numeric_limits<double>::quiet_NaN();
    const double Inf = std::numeric_limits<double>::infinity();
    TVector Lost = MakeVector(0, 0);
    Lost.X = NaN;
    DrawArrow(MakeVector(5, 5), Green, Lost, 10);
    DrawArrow(MakeVector(Inf, 0), Green, MakeVector(0, 0), 10);
    TSegment Wall{MakeVector(0, 0), MakeVector(Inf, 0), {}};
    DrawSegment(Wall, Green);
    {
        const TSurfaceLock Lock(Screen);
        DrawDot(Lost, Green, true);
    }
    EXPECT_TRUE(PixelsOtherThan(Black).empty());
}
