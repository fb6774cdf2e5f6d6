// Windows and window groups: focus from the top down and raising, fading,
// roll-up, dragging and its screen limits, finding by name, and the frame
// and title on the display.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "draw/display.h"
#include "draw/pixels.h"
#include "draw/text.h"
#include "ui/sheets.h"
#include "ui/window.h"
#include "sheet_pixels.h"
#include "support/headless.h"
#include "ui_input.h"

namespace {

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override { ResetInput(); }
};

// "Low" (100, 100)-(300, 300) under "High" (200, 150)-(400, 350), each with
// a button at its content origin; they overlap in (200, 150)-(300, 300).
TWindowGroup Overlapping()
{
    TWindowGroup G;
    InitWindowGroup(G, 2);
    G.Items[0] = CreateWindow("Low", "low", 100, 100, 200, 200, true);
    G.Items[1] = CreateWindow("High", "high", 200, 150, 200, 200, true);
    for (TWindow& W : G.Items) {
        InitButtonGroup(W.Buttons, 1, true);
        W.Buttons.Items[0] = CreateButton("", 0, 0, 200, 150);
    }
    return G;
}

std::vector<std::string> Names(const TWindowGroup& G)
{
    std::vector<std::string> Result;
    for (const TWindow& W : G.Items) Result.push_back(W.Name);
    return Result;
}

std::vector<int> FadeFrom(TWindow& W, int Updates)
{
    std::vector<int> Values;
    for (int I = 0; I < Updates; ++I) {
        UpdateWindow(W, true, true);
        Values.push_back(W.Alpha);
    }
    return Values;
}

} // namespace

TEST_F(WindowTest, CreateWindowStartsOpaqueAndUnfocused)
{
    const TWindow W = CreateWindow("Menu", "Title", 100, 100, 220, 195, true);
    EXPECT_EQ(W.Bounds.B.X, 320);
    EXPECT_EQ(W.Bounds.B.Y, 295);
    EXPECT_EQ(W.Bounds.Delta.X, 220);
    EXPECT_EQ(W.Alpha, 255);
    EXPECT_FALSE(W.Focused);
    EXPECT_FALSE(W.Dragging);
    EXPECT_FALSE(W.Buttons.Visible);
    EXPECT_TRUE(W.CheckGroups.empty());

    TWindowGroup G;
    InitWindowGroup(G, 3);
    ASSERT_EQ(G.Items.size(), 3u);
    EXPECT_EQ(G.Items[2].Alpha, 0); // zero-filled until the screen assigns it
}

TEST_F(WindowTest, PressInTheOverlapFocusesOnlyTheUpperWindow)
{
    TWindowGroup G = Overlapping();
    Press(250, 250);
    UpdateWindows(G, true);
    EXPECT_EQ(Names(G), (std::vector<std::string>{"Low", "High"}));
    EXPECT_TRUE(G.Items[1].Focused);
    EXPECT_FALSE(G.Items[0].Focused);
    EXPECT_TRUE(G.Items[1].Buttons.Items[0].Armed);
    EXPECT_FALSE(G.Items[0].Buttons.Items[0].Armed); // updated as inactive
    EXPECT_TRUE(G.Items[0].Buttons.Items[0].Hover);
}

TEST_F(WindowTest, PressOnTheLowerWindowRaisesIt)
{
    TWindowGroup G = Overlapping();
    Press(250, 250);
    UpdateWindows(G, true);
    Release(250, 250);
    UpdateWindows(G, true);

    Press(150, 200);
    UpdateWindows(G, true);
    EXPECT_EQ(Names(G), (std::vector<std::string>{"High", "Low"}));
    EXPECT_TRUE(G.Items[1].Focused);
    EXPECT_FALSE(G.Items[0].Focused);
    EXPECT_TRUE(G.Items[1].Buttons.Items[0].Armed);

    // From now on the overlap belongs to "Low".
    Release(150, 200);
    UpdateWindows(G, true);
    Press(250, 250);
    UpdateWindows(G, true);
    EXPECT_EQ(Names(G), (std::vector<std::string>{"High", "Low"}));
    EXPECT_TRUE(FindWindow(G, "Low")->Focused);
}

TEST_F(WindowTest, FocusOnReleaseWaitsForTheRelease)
{
    TWindowGroup G = Overlapping();
    Press(150, 200);
    UpdateWindows(G, false);
    EXPECT_FALSE(G.Items[0].Focused);
    Release(150, 200);
    UpdateWindows(G, false);
    EXPECT_EQ(Names(G), (std::vector<std::string>{"High", "Low"}));
    EXPECT_TRUE(G.Items[1].Focused);
}

TEST_F(WindowTest, PressOutsideEveryWindowFadesThemTo128In30Updates)
{
    TWindow W = CreateWindow("W", "", 100, 100, 200, 200, true);
    Press(600, 500);
    const std::vector<int> Down = FadeFrom(W, 31);
    EXPECT_EQ(Down, (std::vector<int>{242, 230, 219, 209, 200, 192, 185, 179, 173, 168, 164, 160, 156, 153, 150, 147,
                                       145, 143, 141, 139, 137, 136, 135, 134, 133, 132, 131, 130, 129, 128, 128}));
    EXPECT_FALSE(W.Focused);

    Press(150, 150);
    const std::vector<int> Up = FadeFrom(W, 31);
    EXPECT_TRUE(W.Focused);
    EXPECT_EQ(std::vector<int>(Up.begin(), Up.begin() + 4), (std::vector<int>{141, 153, 164, 174}));
    EXPECT_EQ(Up[28], 254);
    EXPECT_EQ(Up[29], 255);
    EXPECT_EQ(Up[30], 255);
}

TEST_F(WindowTest, ReleaseOverTheRollUpBoxTogglesEvenACoveredWindow)
{
    // "Menu" (100, 100)-(320, 295): its roll-up box is (290, 103)-(313, 120).
    TWindowGroup G;
    InitWindowGroup(G, 2);
    G.Items[0] = CreateWindow("Menu", "", 100, 100, 220, 195, true);
    G.Items[1] = CreateWindow("Cover", "", 250, 50, 200, 200, true);

    Press(300, 110); // on the cover, which takes the focus
    UpdateWindows(G, true);
    EXPECT_FALSE(G.Items[1].Dragging);
    Release(300, 110);
    UpdateWindows(G, true);
    EXPECT_FALSE(FindWindow(G, "Menu")->Focused);
    EXPECT_FALSE(FindWindow(G, "Menu")->Expanded);
    EXPECT_TRUE(FindWindow(G, "Cover")->Expanded);

    // A press on the box of the focused window starts no drag; the release rolls it back down.
    Press(300, 110);
    TWindow& Menu = G.Items[0];
    UpdateWindow(Menu, true, true);
    EXPECT_TRUE(Menu.Focused);
    EXPECT_FALSE(Menu.Dragging);
    Release(300, 110);
    UpdateWindow(Menu, true, true);
    EXPECT_TRUE(Menu.Expanded);
}

TEST_F(WindowTest, RolledUpWindowIsFocusedOnlyByItsTitleBarAndSkipsItsWidgets)
{
    TWindow W = CreateWindow("W", "", 100, 100, 200, 200, false);
    InitButtonGroup(W.Buttons, 1, true);
    W.Buttons.Items[0] = CreateButton("", 0, 0, 100, 100); // under the title bar, in the hidden body
    Press(150, 200);
    UpdateWindow(W, true, true);
    EXPECT_FALSE(W.Focused);
    EXPECT_FALSE(W.Buttons.Items[0].Hover);
    Press(150, 123);
    UpdateWindow(W, true, true);
    EXPECT_TRUE(W.Focused);
    EXPECT_TRUE(W.Dragging);
}

TEST_F(WindowTest, DragFollowsThePointerAndStopsAtTheRightEdge)
{
    TWindow W = CreateWindow("W", "", 100, 100, 220, 195, true);
    Press(150, 110);
    UpdateWindow(W, true, true);
    ASSERT_TRUE(W.Dragging);
    EXPECT_EQ(W.DragOffset.X, MouseX - 100.0);

    Hold(200, 140);
    UpdateWindow(W, true, true);
    EXPECT_EQ(W.Bounds.A.X, 150);
    EXPECT_EQ(W.Bounds.A.Y, 130);
    EXPECT_EQ(W.Bounds.B.X, 370);

    Hold(700, 140);
    UpdateWindow(W, true, true);
    EXPECT_EQ(W.Bounds.B.X, 800);
    EXPECT_EQ(W.Bounds.A.X, 580);

    Hold(10, 700);
    UpdateWindow(W, true, true);
    EXPECT_EQ(W.Bounds.A.X, 0);
    EXPECT_EQ(W.Bounds.B.X, 220);
    EXPECT_EQ(W.Bounds.B.Y, 600);
    EXPECT_EQ(W.Bounds.A.Y, 405);

    Release(10, 700);
    UpdateWindow(W, true, true);
    EXPECT_FALSE(W.Dragging);
    Rest(400, 400);
    UpdateWindow(W, true, true);
    EXPECT_EQ(W.Bounds.A.X, 0); // stays where it was let go
}

TEST_F(WindowTest, RolledUpWindowHangsOffTheTopUntilItsTitleBarLeaves)
{
    TWindow W = CreateWindow("W", "", 100, 100, 220, 195, false);
    Press(150, 110); // 10 below the top edge
    UpdateWindow(W, true, true);
    ASSERT_TRUE(W.Dragging);

    Hold(150, 0);
    UpdateWindow(W, true, true);
    EXPECT_EQ(W.Bounds.A.Y, -10); // still shows 13 rows of its title bar

    Hold(140, -20); // the pointer itself cannot leave the display, but the globals can say so
    UpdateWindow(W, true, true);
    EXPECT_EQ(W.Bounds.A.Y, 0);
    EXPECT_EQ(W.Bounds.B.Y, 195);
    EXPECT_EQ(W.Bounds.A.X, 90);

    Hold(-100, 300); // left of the display, but the right edge (A.X + 220) is still on it
    UpdateWindow(W, true, true);
    EXPECT_EQ(W.Bounds.A.X, -150);
    Hold(-200, 300);
    UpdateWindow(W, true, true);
    EXPECT_EQ(W.Bounds.A.X, 0);
    EXPECT_EQ(W.Bounds.B.X, 220);

    Hold(150, 650); // the title bar's bottom below the display
    UpdateWindow(W, true, true);
    EXPECT_EQ(W.Bounds.A.Y, 577);
    EXPECT_EQ(W.Bounds.B.Y, 577 + 195);
}

TEST_F(WindowTest, FindWindowReturnsTheLastMatchOrNothing)
{
    TWindowGroup G;
    InitWindowGroup(G, 3);
    G.Items[0] = CreateWindow("Same", "first", 0, 0, 10, 10, true);
    G.Items[1] = CreateWindow("Other", "", 0, 0, 10, 10, true);
    G.Items[2] = CreateWindow("Same", "second", 0, 0, 10, 10, true);
    ASSERT_NE(FindWindow(G, "Same"), nullptr);
    EXPECT_EQ(FindWindow(G, "Same")->Title, "second");
    EXPECT_EQ(FindWindow(G, "Other"), &G.Items[1]);
    EXPECT_EQ(FindWindow(G, "same"), nullptr);
    EXPECT_EQ(FindWindow(G, "Missing"), nullptr);
}

namespace {

class WindowLook : public ::testing::Test {
protected:
    THeadless Program;
    void SetUp() override
    {
        ResetInput();
        SDL_FillRect(Screen, nullptr, MapColour(0, 0, 0));
    }
};

// The sheet's piece (SX, SY, W, H) should lie on the display at (X, Y),
// its keyed pixels leaving the black background.
void ExpectPiece(int SX, int SY, int W, int H, int X, int Y)
{
    for (int I = 0; I < W; ++I)
        for (int J = 0; J < H; ++J) {
            const TRgb Expected = IsKey(WindowImage, SX + I, SY + J) ? TRgb{0, 0, 0} : SheetColour(WindowImage, SX + I, SY + J);
            EXPECT_EQ(DisplayColour(X + I, Y + J), Expected) << "sheet " << SX + I << "," << SY + J;
        }
}

// Display pixels where the glyph of C (style 1) has ink, pen at (X, Y).
std::vector<std::pair<int, int>> Ink(char C, int X, int Y)
{
    std::vector<std::pair<int, int>> Points;
    const int Cell = 8 * (static_cast<int>(FontCharset.find(C)) + 1);
    SDL_LockSurface(FontImage);
    for (int I = 0; I < 8; ++I)
        for (int J = 0; J < 16; ++J)
            if (GetPixel(FontImage, Cell + I, 16 + J) != FontImage->format->colorkey)
                Points.push_back({X - 1 + I, Y - 1 + J});
    SDL_UnlockSurface(FontImage);
    return Points;
}

} // namespace

TEST_F(WindowLook, FrameCornersSitOnTheBounds)
{
    TWindow W = CreateWindow("W", "", 100, 100, 220, 195, true);
    DrawWindow(W);
    ExpectPiece(0, 0, 6, 23, 100, 100);   // title left end
    ExpectPiece(7, 0, 28, 23, 292, 100);  // title right end at R - 28
    ExpectPiece(0, 24, 6, 3, 100, 292);   // bottom-left at D - 3
    ExpectPiece(7, 24, 28, 3, 292, 292);  // bottom-right
    ExpectPiece(6, 0, 1, 23, 106, 100);   // title middle
    ExpectPiece(6, 0, 1, 23, 291, 100);
    ExpectPiece(6, 23, 1, 1, 200, 200);   // body
    EXPECT_EQ(DisplayColour(320, 200), (TRgb{0, 0, 0}));
    EXPECT_EQ(DisplayColour(200, 295), (TRgb{0, 0, 0}));

    // Rolled up: the title bar and the bottom border right under it.
    SDL_FillRect(Screen, nullptr, MapColour(0, 0, 0));
    W.Expanded = false;
    DrawWindow(W);
    ExpectPiece(0, 24, 6, 3, 100, 123);
    ExpectPiece(6, 24, 1, 3, 200, 123);
    EXPECT_EQ(DisplayColour(200, 200), (TRgb{0, 0, 0}));
}

TEST_F(WindowLook, TitleIsDrawnOverItsShadowInTheWindowsAlpha)
{
    TWindow W = CreateWindow("W", "H", 100, 100, 220, 195, true);
    W.Alpha = 200;
    DrawWindow(W);
    // Title pen at (L + 6, T + 4), shadow pen one pixel right and down.
    const auto Text = Ink('H', 106, 104);
    const auto Shadow = Ink('H', 107, 105);
    ASSERT_FALSE(Text.empty());
    for (const auto& [X, Y] : Text) EXPECT_EQ(DisplayColour(X, Y), (TRgb{200, 200, 200})) << X << "," << Y;
    int ShadowSeen = 0;
    for (const auto& [X, Y] : Shadow) {
        if (std::find(Text.begin(), Text.end(), std::make_pair(X, Y)) != Text.end()) continue;
        EXPECT_EQ(DisplayColour(X, Y), (TRgb{136, 136, 136})) << X << "," << Y;
        ++ShadowSeen;
    }
    EXPECT_GT(ShadowSeen, 0);
}

TEST_F(WindowLook, SheetsAreTranslucentOnlyWhileTheWindowDraws)
{
    TWindow W = CreateWindow("W", "", 100, 100, 220, 195, true);
    W.Alpha = 128;
    DrawWindow(W);
    // The body blends with the black background at half opacity.
    const TRgb Body = SheetColour(WindowImage, 6, 23);
    const TRgb Seen = DisplayColour(200, 200);
    EXPECT_NEAR(Seen.R, Body.R / 2, 1);
    EXPECT_NEAR(Seen.G, Body.G / 2, 1);
    EXPECT_NEAR(Seen.B, Body.B / 2, 1);
    for (SDL_Surface* Sheet : {WindowImage, ButtonImage, CheckImage, RadioImage, EditImage, SpinImage, ProgressImage})
        EXPECT_EQ(Sheet->format->alpha, 255);
}

TEST(WidgetAlpha, WidgetsFadeOneAndAHalfTimesAsFast)
{
    EXPECT_EQ(WidgetAlpha(255), 255);
    EXPECT_EQ(WidgetAlpha(242), 236); // 255 - 39 div 2
    EXPECT_EQ(WidgetAlpha(128), 65);
    EXPECT_EQ(WidgetAlpha(85), 0);
    EXPECT_EQ(WidgetAlpha(84), 0);
    EXPECT_EQ(WidgetAlpha(0), 0);
}
