#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

#include "app/video.h"
#include "draw/display.h"
#include "draw/surface.h"
#include "sim/fire/fire.h"
#include "sim/fire/fire_draw.h"
#include "sim/fire/fire_palette.h"
#include "support/headless.h"

namespace {

class FireDrawTest : public ::testing::Test {
protected:
    THeadless Program; // the display and images, as at start-up

    void SetUp() override { ClearScreen(); }

    // Display pixels (zero-based) that differ from Before.
    static std::set<std::pair<int, int>> Changed(const std::vector<Uint32>& Before)
    {
        std::set<std::pair<int, int>> Points;
        const std::vector<Uint32> After = CaptureDisplay();
        for (size_t I = 0; I < After.size(); ++I)
            if (After[I] != Before[I])
                Points.insert({static_cast<int>(I % DisplayWidth), static_cast<int>(I / DisplayWidth)});
        return Points;
    }
};

} // namespace

TEST_F(FireDrawTest, CellsLandOnTheirDisplayPixelsBlended)
{
    TFireCell F;
    InitFire(F, 100, 200, 3, 2);
    F.Cells[0][0] = 255;
    F.Cells[0][1] = 1;   // opacity 1 over black: invisible
    F.Cells[1][1] = 122;
    F.Cells[2][0] = 64;
    F.Cells[2][1] = -7;  // cold cells are not drawn
    const std::vector<Uint32> Before = CaptureDisplay();
    DrawFire(F, 255);

    // Display coordinates, without the Origin.
    EXPECT_EQ(Changed(Before), (std::set<std::pair<int, int>>{{100, 200}, {101, 201}, {102, 200}}));
    EXPECT_EQ(DisplayColour(100, 200), (TRgb{255, 255, 0})); // opaque
    const TRgb Orange = DisplayColour(101, 201);              // (255, 116, 0) at 122/255 over black
    EXPECT_NEAR(Orange.R, 255 * 122 / 255, 1);
    EXPECT_NEAR(Orange.G, 116 * 122 / 255, 1);
    EXPECT_EQ(Orange.B, 0);
    const TRgb Red = DisplayColour(102, 200); // (255, 0, 0) at 64/255
    EXPECT_NEAR(Red.R, 64, 1);
    EXPECT_EQ(Red.G, 0);
}

TEST_F(FireDrawTest, OpacityBlendsOverWhatIsThere)
{
    TFireCell F;
    InitFire(F, 10, 10, 1, 1);
    F.Cells[0][0] = 255;
    SDL_Rect Spot = MakeRect(10, 10, 1, 1);
    SDL_FillRect(Screen, &Spot, MapColour(0, 0, 200));
    DrawFire(F, 128); // yellow at about half over blue
    const TRgb Half = DisplayColour(10, 10);
    EXPECT_NEAR(Half.R, 128, 1);
    EXPECT_NEAR(Half.G, 128, 1);
    EXPECT_NEAR(Half.B, 100, 1);

    const std::vector<Uint32> Before = CaptureDisplay();
    DrawFire(F, 0); // drawn with opacity 0: nothing shows
    EXPECT_TRUE(Changed(Before).empty());
}

TEST_F(FireDrawTest, CellsOffTheDisplayAreClipped)
{
    TFireCell F;
    InitFire(F, -2, 597, 5, 6); // over the left and bottom edges
    for (auto& Column : F.Cells)
        for (int32_t& V : Column) V = 255;
    const std::vector<Uint32> Before = CaptureDisplay();
    DrawFire(F, 255);
    std::set<std::pair<int, int>> Expected;
    for (int X = 0; X <= 2; ++X)
        for (int Y = 597; Y <= 599; ++Y) Expected.insert({X, Y});
    EXPECT_EQ(Changed(Before), Expected);

    // Wholly outside: nothing, and no fault.
    F.Left = 800;
    F.Top = 0;
    DrawFire(F, 255);
    F.Left = -5;
    DrawFire(F, 255);
    F.Left = 65536; // a 16-bit position would wrap round to 0
    DrawFire(F, 255);
    F.Left = 1e300; // rounds to the largest int
    DrawFire(F, 255);
    F.Left = 0;
    F.Top = -65536 - 597;
    DrawFire(F, 255);
    EXPECT_EQ(Changed(Before), Expected);
}

TEST_F(FireDrawTest, PositionsAreRoundedHalfToEven)
{
    TFireCell F;
    InitFire(F, 0, 0, 1, 1);
    F.Cells[0][0] = 255;
    F.Left = 50.5;  // 50
    F.Top = 61.5;   // 62
    const std::vector<Uint32> Before = CaptureDisplay();
    DrawFire(F, 255);
    EXPECT_EQ(Changed(Before), (std::set<std::pair<int, int>>{{50, 62}}));
}

TEST_F(FireDrawTest, EmptyAndClosedDrawNothing)
{
    TFireCell F;
    InitFire(F, 0, 0, 0, 0);
    const std::vector<Uint32> Before = CaptureDisplay();
    DrawFire(F, 255);
    EXPECT_TRUE(Changed(Before).empty());
    // A grid whose record claims more than it holds is drawn as far as it goes.
    InitFire(F, 0, 0, 2, 2);
    F.Cells[1][1] = 255;
    F.Columns = 9;
    F.Rows = 9;
    DrawFire(F, 255);
    EXPECT_EQ(Changed(Before), (std::set<std::pair<int, int>>{{1, 1}}));
}

TEST_F(FireDrawTest, ScratchSurfaceIsSharedWithoutLeakOrDoubleFree)
{
    // An extra reference shows whether the fire released the separate
    // EmptyImage: SDL only drops the count then.
    SDL_Surface* Separate = EmptyImage;
    ASSERT_NE(Separate, EmptyImage2);
    ++Separate->refcount;
    TFireCell F;
    InitFire(F, 0, 0, 1, 1);
    F.Cells[0][0] = 255;
    DrawFire(F, 255);
    EXPECT_EQ(EmptyImage, EmptyImage2);
    EXPECT_EQ(Separate->refcount, 1);
    SDL_FreeSurface(Separate);

    DrawFire(F, 255); // already shared: nothing more is released
    EXPECT_EQ(EmptyImage, EmptyImage2);
    EXPECT_EQ(EmptyImage2->refcount, 1);

    // A full-screen toggle frees the shared surface once and loads two new
    // ones; the next draw shares again and still draws.
    ToggleFullScreen();
    ASSERT_NE(EmptyImage, EmptyImage2);
    ClearScreen();
    DrawFire(F, 255);
    EXPECT_EQ(EmptyImage, EmptyImage2);
    EXPECT_EQ(DisplayColour(0, 0), (TRgb{255, 255, 0}));
    ToggleFullScreen();
    ClearScreen();
    DrawFire(F, 255);
    EXPECT_EQ(DisplayColour(0, 0), (TRgb{255, 255, 0}));

    // With the display closed there is nothing to draw on.
    CloseVideo();
    DrawFire(F, 255);
    EXPECT_EQ(EmptyImage, nullptr);
}
