#include <gtest/gtest.h>

#include <chrono>
#include <limits>

#include "draw/display.h"
#include "sim/particles/physics_draw.h"
#include "support/headless.h"
#include "support/particle_world.h"

namespace {

// Display pixel (zero-based) of a point relative to the Origin: PutPixel is
// one-based, so (0, 0) lands on (399, 299).
constexpr int Column(int X) { return X + 399; }
constexpr int Row(int Y) { return Y + 299; }

// A particle that stood at Old before its last step.
TParticle Particle(double X, double Y, double VX, double VY, double OldX, double OldY)
{
    TParticle P = ::Particle(X, Y, VX, VY);
    P.OldPos.X = OldX;
    P.OldPos.Y = OldY;
    return P;
}

class DrawWorld : public ::testing::Test {
protected:
    THeadless Program; // the display, as at start-up
    TPhysics World;
    Uint32 Black = MapColour(0, 0, 0), Red = MapColour(255, 0, 0);
    Uint32 Yellow = MapColour(255, 255, 0), Green = MapColour(0, 255, 0);

    void SetUp() override { InitPhysics(World); }
    void Draw(bool DrawForces, bool Thick)
    {
        SDL_FillRect(Screen, nullptr, Black);
        DrawPhysics(World, Red, Yellow, Green, DrawForces, Thick);
    }
    int PaintedCount() const
    {
        int Count = 0;
        for (const Uint32 Pixel : CaptureDisplay()) Count += Pixel != Black;
        return Count;
    }
};

} // namespace

TEST_F(DrawWorld, WallsDotsAndArrowsAtTheirPixels)
{
    World.Walls.push_back(Wall(-100, 50, 100, 50));
    World.Particles.push_back(Particle(0, 50, 0, 0, 0, 50));       // on the wall
    World.Particles.push_back(Particle(-50, -50, 2, 0, -60, -50));  // moved 10 pixels
    World.Particles.push_back(Particle(50, 100, 2, 0, 50.5, 99.2)); // moved less than 1 in x and y
    Draw(false, false);
    EXPECT_EQ(DisplayPixel(Column(-100), Row(50)), Black); // a line's start is not plotted
    EXPECT_EQ(DisplayPixel(Column(-99), Row(50)), Yellow);
    EXPECT_EQ(DisplayPixel(Column(0), Row(50)), Red); // the dot over the wall
    EXPECT_EQ(PaintedCount(), 200 + 2);               // the wall and two dots beside it; no arrows

    Draw(false, true);
    for (const auto& [X, Y] : {std::pair{0, 50}, {-1, 50}, {1, 50}, {0, 49}, {0, 51}})
        EXPECT_EQ(DisplayPixel(Column(X), Row(Y)), Red) << X << "," << Y;
    EXPECT_EQ(DisplayPixel(Column(1), Row(51)), Black);

    Draw(true, false);
    // Ten times (2, 0) from the particle; barbs back at 30 degrees to
    // (-30 - 8.66, -50 -+ 5), rounded.
    EXPECT_EQ(DisplayPixel(Column(-50), Row(-50)), Red);
    for (const auto& [X, Y] : {std::pair{-49, -50}, {-30, -50}, {-39, -55}, {-39, -45}})
        EXPECT_EQ(DisplayPixel(Column(X), Row(Y)), Green) << X << "," << Y;
    EXPECT_EQ(DisplayPixel(Column(-29), Row(-50)), Black);
    EXPECT_EQ(DisplayPixel(Column(60), Row(100)), Black); // no arrow for the one that hardly moved
}

TEST_F(DrawWorld, FarAwayWorldDrawsOnlyWhatCrossesTheDisplay)
{
    const double Inf = std::numeric_limits<double>::infinity();
    World.Walls.push_back(Wall(-1e300, 0, 1e300, 0)); // crosses the whole display on row 0
    World.Walls.push_back(Wall(1e300, 1e300, Inf, 1e300));
    World.Walls.push_back(Wall(-Inf, -Inf, -1e15, -1e15 - 1));
    for (int I = 0; I < 1000; ++I) {
        const double Far = I % 2 ? 1e300 : 1e15 * (I + 1);
        World.Particles.push_back(Particle(Far, Far, Far, Far / 2, 0, 0));
        World.Particles.push_back(Particle(-Far, Far, -Far, 1, 0, 0));
    }
    World.Particles.push_back(Particle(0, 100, 1e300, 0, -5, 100)); // its arrow runs off to the right

    const auto Start = std::chrono::steady_clock::now();
    Draw(true, true);
    EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - Start).count(), 30);
    for (const int X : {0, 399, 799}) EXPECT_EQ(DisplayPixel(X, Row(0)), Yellow);
    EXPECT_EQ(DisplayPixel(Column(1), Row(100)), Green);
    EXPECT_EQ(DisplayPixel(799, Row(100)), Green);
    // The wall's 800 pixels, the arrow's 400 and the four of the dot it does
    // not cover; nothing from the far particles.
    EXPECT_EQ(PaintedCount(), 800 + 400 + 4);
}
