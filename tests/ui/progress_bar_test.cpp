// The progress bar's fill blocks on the display.
#include <gtest/gtest.h>

#include "draw/display.h"
#include "ui/progress_bar.h"
#include "ui/sheets.h"
#include "sheet_pixels.h"
#include "support/headless.h"

namespace {

// A 16-block bar at (5, 57) drawn at offset (100, 200): L = 105, T = 257.
constexpr int L = 105;
constexpr int T = 257;
constexpr int Row = T + 8;

class ProgressBarTest : public ::testing::Test {
protected:
    THeadless Program;
    void Draw(int Value, int MaxValue)
    {
        SDL_FillRect(Screen, nullptr, MapColour(0, 0, 0));
        TProgressBar P = CreateProgressBar(5, 57, 16, Value, MaxValue);
        DrawProgressBar(P, 100, 200);
    }
    // Block K is drawn: its second column shows the block's green, not the trough.
    bool BlockAt(int K) const { return DisplayColour(L + 2 + 8 * K + 1, Row) == SheetColour(ProgressImage, 10, 8); }
    int BlocksShown() const
    {
        int Count = 0;
        while (Count < 40 && BlockAt(Count)) ++Count;
        return Count;
    }
};

} // namespace

TEST_F(ProgressBarTest, HalfFullShowsEightBlocks)
{
    ASSERT_NE(SheetColour(ProgressImage, 10, 8), SheetColour(ProgressImage, 4, 8)); // green differs from trough
    Draw(50, 100);
    EXPECT_EQ(BlocksShown(), 8);
    EXPECT_EQ(DisplayColour(L + 2 + 8 * 8 + 1, Row), SheetColour(ProgressImage, 4, 8));
    EXPECT_EQ(DisplayColour(L, Row), SheetColour(ProgressImage, 0, 8));
    EXPECT_EQ(DisplayColour(L + 132, Row), SheetColour(ProgressImage, 8, 8)); // the right cap ends at L + W + 4
    EXPECT_EQ(DisplayColour(L + 133, Row), (TRgb{0, 0, 0}));
}

TEST_F(ProgressBarTest, BlocksAreFlooredAndAFullBarCoversTheCapsFirstColumn)
{
    Draw(99, 100);
    EXPECT_EQ(BlocksShown(), 15);
    EXPECT_EQ(DisplayColour(L + 129, Row), SheetColour(ProgressImage, 5, 8));

    Draw(100, 100);
    EXPECT_EQ(BlocksShown(), 16);
    EXPECT_EQ(DisplayColour(L + 129, Row), SheetColour(ProgressImage, 9 + 7, 8)); // the last block's last column
}

TEST_F(ProgressBarTest, FillIsNotLimitedToTheFrame)
{
    Draw(150, 100);
    EXPECT_EQ(BlocksShown(), 24);
    Draw(-10, 100);
    EXPECT_EQ(BlocksShown(), 0);
}

TEST_F(ProgressBarTest, ZeroMaximumShowsTheEmptyFrame)
{
    Draw(0, 100);
    const std::vector<Uint32> Empty = CaptureDisplay();
    for (int Value : {0, 50, -50}) {
        Draw(Value, 0);
        EXPECT_EQ(CaptureDisplay(), Empty) << Value;
        EXPECT_EQ(FilledBlocks(CreateProgressBar(0, 0, 16, Value, 0)), 0);
    }
}
