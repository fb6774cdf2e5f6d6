// The progress bar's fill blocks on the display.
#include <gtest/gtest.h>

#include "draw/display.h"
#include "ui/progress_bar.h"
#include "support/colour.h"
#include "support/headless.h"

namespace {

// A 16-block bar at (5, 57), offset (100, 200): L = 105, T = 257. Block k,
// when drawn, shows its green in column L + 3 + 8k.
std::vector<Uint32> DrawBar(int Value, int MaxValue)
{
    SDL_FillRect(Screen, nullptr, MapColour(0, 0, 0));
    TProgressBar P = CreateProgressBar(5, 57, 16, Value, MaxValue);
    DrawProgressBar(P, 100, 200);
    return CaptureDisplay();
}

int BlocksShown()
{
    int Count = 0;
    while (Count < 40 && DisplayColour(108 + 8 * Count, 265) == SurfaceColour(ProgressImage, 10, 8)) ++Count;
    return Count;
}

} // namespace

TEST(ProgressBar, FillsFloorOfItsShareOfTheBlocks)
{
    THeadless Program;
    for (const auto& [Value, Blocks] : {std::pair{50, 8}, {99, 15}, {100, 16}, {150, 24}, {-10, 0}}) {
        DrawBar(Value, 100);
        EXPECT_EQ(BlocksShown(), Blocks) << Value;
    }
    // The full bar's last block, at L + 122, covers the right cap's first column.
    DrawBar(100, 100);
    EXPECT_EQ(DisplayColour(105 + 129, 265), SurfaceColour(ProgressImage, 16, 8));
    DrawBar(99, 100);
    EXPECT_EQ(DisplayColour(105 + 129, 265), SurfaceColour(ProgressImage, 5, 8));
}

TEST(ProgressBar, ZeroMaximumShowsTheEmptyFrame)
{
    THeadless Program;
    const std::vector<Uint32> Empty = DrawBar(0, 100);
    for (const int Value : {0, 50, -50}) EXPECT_EQ(DrawBar(Value, 0), Empty) << Value;
}
