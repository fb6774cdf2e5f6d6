// Buttons: their size from the caption, and how they look on the display.
#include <gtest/gtest.h>

#include "draw/display.h"
#include "ui/button.h"
#include "ui/sheets.h"
#include "sheet_pixels.h"
#include "support/headless.h"
#include "ui_input.h"

TEST(Button, SizeComesFromTheCaptionAndTheMinimums)
{
    const TButton Menu = CreateButton("Symulacja cz\xB9steczek", 5, 5, 0, 0);
    EXPECT_EQ(Menu.Bounds.A.X, 5);
    EXPECT_EQ(Menu.Bounds.A.Y, 5);
    EXPECT_EQ(Menu.Bounds.B.X, 175);
    EXPECT_EQ(Menu.Bounds.B.Y, 31);

    const TButton Empty = CreateButton("", 0, 0, 0, 0);
    EXPECT_EQ(Empty.Bounds.Delta.X, 10);
    EXPECT_EQ(Empty.Bounds.Delta.Y, 26);

    const TButton Wide = CreateButton("", 20, 30, 100, 0);
    EXPECT_EQ(Wide.Bounds.B.X, 120);
    EXPECT_EQ(Wide.Bounds.Delta.X, 100);
    EXPECT_EQ(Wide.Bounds.B.Length, MakeVector(120, 56).Length); // B's cache refreshed
    EXPECT_EQ(Wide.Bounds.Delta.Y, 26);

    const TButton Equal = CreateButton("ab", 0, 0, 26, 26); // minimums equal to the size change nothing
    EXPECT_EQ(Equal.Bounds.Delta.X, 26);
    EXPECT_EQ(Equal.Bounds.Delta.Y, 26);
    const TButton Tall = CreateButton("ab", 0, 0, 0, 40);
    EXPECT_EQ(Tall.Bounds.B.Y, 40);
}

namespace {

class ButtonLook : public ::testing::Test {
protected:
    THeadless Program;
    void SetUp() override
    {
        ResetInput();
        SDL_FillRect(Screen, nullptr, MapColour(0, 0, 0));
    }
};

int CountColour(int X1, int Y1, int X2, int Y2, TRgb Colour)
{
    int Count = 0;
    for (int Y = Y1; Y <= Y2; ++Y)
        for (int X = X1; X <= X2; ++X) Count += DisplayColour(X, Y) == Colour;
    return Count;
}

} // namespace

TEST_F(ButtonLook, FaceAndFrameComeFromTheNormalBlock)
{
    // 60x26 without a caption, drawn at L = 100, T = 50 (the offset rounds half to even).
    TButton B = CreateButton("", 0, 0, 60, 0);
    DrawButton(B, 100.5, 50);
    EXPECT_EQ(DisplayColour(101, 51), SheetColour(ButtonImage, 1, 1));    // top-left corner
    EXPECT_EQ(DisplayColour(157, 51), SheetColour(ButtonImage, 5, 1));    // top-right corner at R - 4
    EXPECT_EQ(DisplayColour(101, 73), SheetColour(ButtonImage, 1, 5));    // bottom-left corner at D - 4
    EXPECT_EQ(DisplayColour(130, 50), SheetColour(ButtonImage, 3, 0));    // top edge
    EXPECT_EQ(DisplayColour(130, 74), SheetColour(ButtonImage, 3, 6));    // bottom edge, rows D - 4 .. D - 2
    EXPECT_EQ(DisplayColour(100, 60), SheetColour(ButtonImage, 0, 3));    // left edge
    for (int X = 103; X <= 155; X += 13) EXPECT_EQ(DisplayColour(X, 60), SheetColour(ButtonImage, 3, 3)) << X;
    // Nothing beyond columns L .. R - 2 and rows T .. D - 2.
    EXPECT_EQ(DisplayColour(159, 60), (TRgb{0, 0, 0}));
    EXPECT_EQ(DisplayColour(130, 76), (TRgb{0, 0, 0}));
}

TEST_F(ButtonLook, ArmedButtonUsesThePressedBlockOnePixelLower)
{
    TButton B = CreateButton("", 0, 0, 60, 0);
    B.Armed = true;
    DrawButton(B, 100, 50);
    EXPECT_EQ(DisplayColour(130, 50), (TRgb{0, 0, 0})); // the top row stays empty
    EXPECT_EQ(DisplayColour(130, 51), SheetColour(ButtonImage, 3, 7));
    EXPECT_EQ(DisplayColour(101, 52), SheetColour(ButtonImage, 1, 8));
    EXPECT_EQ(DisplayColour(130, 61), SheetColour(ButtonImage, 3, 10));
    EXPECT_EQ(DisplayColour(130, 75), SheetColour(ButtonImage, 3, 13));
}

TEST_F(ButtonLook, CaptionIsBlackOrGreyWhileArmed)
{
    // 26x26; the caption's pen is at (113 - 8, 63 - 8), so its two cells
    // cover columns 104 .. 119 and rows 54 .. 69 (a row lower while armed).
    TButton B = CreateButton("HH", 0, 0, 0, 0);
    DrawButton(B, 100, 50);
    const int Black = CountColour(104, 54, 119, 69, {0, 0, 0});
    EXPECT_GT(Black, 20);
    EXPECT_EQ(CountColour(104, 54, 119, 69, {128, 128, 128}), 0);

    SDL_FillRect(Screen, nullptr, MapColour(0, 0, 0));
    B.Armed = true;
    DrawButton(B, 100, 50);
    EXPECT_EQ(CountColour(104, 55, 119, 70, {128, 128, 128}), Black);
    EXPECT_EQ(CountColour(104, 55, 119, 70, {0, 0, 0}), 0);
}
