// Buttons: their size, and their face on the display.
#include <gtest/gtest.h>

#include "draw/display.h"
#include "ui/button.h"
#include "support/colour.h"
#include "support/headless.h"
#include "ui_input.h"

TEST(Button, SizeComesFromTheCaptionAndOnlyGrowsToTheMinimums)
{
    const TButton Menu = CreateButton("Symulacja cz\xB9steczek", 5, 5, 0, 0);
    EXPECT_EQ(std::make_pair(Menu.Bounds.B.X, Menu.Bounds.B.Y), std::make_pair(175.0, 31.0));
    const TButton Wide = CreateButton("", 20, 30, 100, 26);
    EXPECT_EQ(std::make_pair(Wide.Bounds.Delta.X, Wide.Bounds.Delta.Y), std::make_pair(100.0, 26.0));
    EXPECT_EQ(Wide.Bounds.B.Length, MakeVector(120, 56).Length);
    EXPECT_EQ(CreateButton("ab", 0, 0, 26, 40).Bounds.B.Y, 40);
}

TEST(Button, FaceShiftsDownOnePixelWhileArmed)
{
    THeadless Program;
    ResetInput();
    // 60x26 without a caption at L = 100 (100.5 rounds to even), T = 50, R = 160, D = 76.
    TButton B = CreateButton("", 0, 0, 60, 0);
    for (const bool Armed : {false, true}) {
        SDL_FillRect(Screen, nullptr, MapColour(0, 0, 0));
        B.Armed = Armed;
        DrawButton(B, 100.5, 50);
        const int S = Armed ? 1 : 0;
        const int Block = Armed ? 7 : 0;
        EXPECT_EQ(DisplayColour(101, 51 + S), SurfaceColour(ButtonImage, 1, Block + 1));  // top-left corner
        EXPECT_EQ(DisplayColour(157, 51 + S), SurfaceColour(ButtonImage, 5, Block + 1));  // top-right at R - 4
        EXPECT_EQ(DisplayColour(130, 50 + S), SurfaceColour(ButtonImage, 3, Block));      // top edge
        EXPECT_EQ(DisplayColour(130, 60 + S), SurfaceColour(ButtonImage, 3, Block + 3));  // centre
        EXPECT_EQ(DisplayColour(130, 74 + S), SurfaceColour(ButtonImage, 3, Block + 6));  // bottom edge at D - 4
        EXPECT_EQ(DisplayColour(159, 60), (TRgb{0, 0, 0}));                            // past column R - 2
        EXPECT_EQ(DisplayColour(130, Armed ? 50 : 75), (TRgb{0, 0, 0}));
    }
}
