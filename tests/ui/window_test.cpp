// Windows: focus from the top down and raising, fading, roll-up, dragging
// within the display, finding by name, and the frame and title as drawn.
#include <gtest/gtest.h>

#include <algorithm>

#include "draw/display.h"
#include "draw/pixels.h"
#include "draw/text.h"
#include "ui/window.h"
#include "support/colour.h"
#include "support/headless.h"
#include "ui_input.h"

namespace {

// "Low" (100, 100)-(300, 300) under "High" (200, 150)-(400, 350), each with
// a button over its whole body.
TWindowGroup Overlapping()
{
    ResetInput();
    TWindowGroup G;
    InitWindowGroup(G, 2);
    G.Items[0] = CreateWindow("Low", "", 100, 100, 200, 200, true);
    G.Items[1] = CreateWindow("High", "", 200, 150, 200, 200, true);
    for (TWindow& W : G.Items) {
        InitButtonGroup(W.Buttons, 1, true);
        W.Buttons.Items[0] = CreateButton("", 0, 0, 200, 150);
    }
    return G;
}

std::vector<int> Fade(TWindow& W, int Updates)
{
    std::vector<int> Values;
    for (int I = 0; I < Updates; ++I) {
        UpdateWindow(W, true, true);
        Values.push_back(W.Alpha);
    }
    return Values;
}

} // namespace

TEST(Window, PressInTheOverlapFocusesTheUpperWindowAndAPressBelowRaisesTheLower)
{
    TWindowGroup G = Overlapping();
    Press(250, 250);
    UpdateWindows(G, true);
    EXPECT_EQ(G.Items[1].Name, "High");
    EXPECT_TRUE(G.Items[1].Focused && G.Items[1].Buttons.Items[0].Armed);
    EXPECT_FALSE(G.Items[0].Focused || G.Items[0].Buttons.Items[0].Armed); // updated as inactive
    Release(250, 250);
    UpdateWindows(G, true);

    Press(150, 200);
    UpdateWindows(G, true);
    EXPECT_EQ(G.Items[1].Name, "Low"); // raised to the top
    EXPECT_TRUE(G.Items[1].Focused && G.Items[1].Buttons.Items[0].Armed);
    EXPECT_FALSE(G.Items[0].Focused);
    Release(150, 200);
    UpdateWindows(G, true);
    Press(250, 250); // the overlap now belongs to "Low"
    UpdateWindows(G, true);
    EXPECT_TRUE(FindWindow(G, "Low")->Focused);
}

TEST(Window, FadesBetween255And128In30UpdatesEachWay)
{
    ResetInput();
    TWindow W = CreateWindow("W", "", 100, 100, 200, 200, true);
    Press(600, 500);
    EXPECT_EQ(Fade(W, 31), (std::vector<int>{242, 230, 219, 209, 200, 192, 185, 179, 173, 168, 164, 160, 156, 153, 150, 147,
                                             145, 143, 141, 139, 137, 136, 135, 134, 133, 132, 131, 130, 129, 128, 128}));
    Press(150, 150);
    EXPECT_EQ(Fade(W, 31), (std::vector<int>{141, 153, 164, 174, 183, 191, 198, 204, 210, 215, 219, 223, 227, 230, 233, 236,
                                             238, 240, 242, 244, 246, 247, 248, 249, 250, 251, 252, 253, 254, 255, 255}));
}

TEST(Window, ReleaseOverTheRollUpBoxTogglesEvenACoveredUnfocusedWindow)
{
    // "Menu" (100, 100)-(320, 295) has its roll-up box at (290, 103)-(313, 120);
    // "Cover" lies over it and takes the press.
    ResetInput();
    TWindowGroup G;
    InitWindowGroup(G, 2);
    G.Items[0] = CreateWindow("Menu", "", 100, 100, 220, 195, true);
    G.Items[1] = CreateWindow("Cover", "", 250, 50, 200, 200, true);
    Press(300, 110);
    UpdateWindows(G, true);
    Release(300, 110);
    UpdateWindows(G, true);
    TWindow& Menu = *FindWindow(G, "Menu");
    EXPECT_FALSE(Menu.Focused || Menu.Expanded);

    // On the box of the focused window a press starts no drag.
    Press(300, 110);
    UpdateWindow(Menu, true, true);
    EXPECT_TRUE(Menu.Focused);
    EXPECT_FALSE(Menu.Dragging);
    Release(300, 110);
    UpdateWindow(Menu, true, true);
    EXPECT_TRUE(Menu.Expanded);
}

TEST(Window, DraggingKeepsTheWindowOnTheDisplay)
{
    ResetInput();
    TWindow W = CreateWindow("W", "", 100, 100, 220, 195, true);
    const auto DragTo = [&W](int X, int Y) {
        Hold(X, Y);
        UpdateWindow(W, true, true);
        return std::vector<double>{W.Bounds.A.X, W.Bounds.A.Y, W.Bounds.B.X, W.Bounds.B.Y};
    };
    Press(150, 110); // 50 right of and 10 below the top-left corner
    UpdateWindow(W, true, true);
    ASSERT_TRUE(W.Dragging);
    EXPECT_EQ(DragTo(200, 140), (std::vector<double>{150, 130, 370, 325}));
    EXPECT_EQ(DragTo(700, 140), (std::vector<double>{580, 130, 800, 325}));
    EXPECT_EQ(DragTo(10, 700), (std::vector<double>{0, 405, 220, 600}));
    Release(10, 700);
    UpdateWindow(W, true, true);
    EXPECT_FALSE(W.Dragging);

    // Rolled up, it may hang off the top until its title bar leaves the display.
    W = CreateWindow("W", "", 100, 100, 220, 195, false);
    Press(150, 110);
    UpdateWindow(W, true, true);
    EXPECT_EQ(DragTo(150, 0), (std::vector<double>{100, -10, 320, 185}));
    EXPECT_EQ(DragTo(140, -20), (std::vector<double>{90, 0, 310, 195}));
    EXPECT_EQ(DragTo(-200, 200), (std::vector<double>{0, 190, 220, 385}));
    EXPECT_EQ(DragTo(150, 650), (std::vector<double>{100, 577, 320, 772}));
}

TEST(Window, OnlyAReleaseWhileFocusedEndsADrag)
{
    // Focus on release, as a screen updates its focused window: a release
    // off the window, held at the display's corner, takes the focus away
    // and the window goes on following the pointer.
    ResetInput();
    TWindow W = CreateWindow("W", "", 100, 100, 220, 195, true);
    Press(150, 110);
    UpdateWindow(W, true, true);
    ASSERT_TRUE(W.Focused && W.Dragging);
    Hold(10, 700);
    UpdateWindow(W, true, false);
    Release(10, 700);
    UpdateWindow(W, true, false);
    EXPECT_FALSE(W.Focused);
    EXPECT_TRUE(W.Dragging);
    Rest(200, 140);
    UpdateWindow(W, true, false);
    EXPECT_EQ(W.Bounds.A.X, 150.0);

    // A release over it focuses it and ends the drag.
    Release(200, 140);
    UpdateWindow(W, true, false);
    EXPECT_TRUE(W.Focused);
    EXPECT_FALSE(W.Dragging);
}

TEST(Window, FindWindowReturnsTheLastMatchOrNothing)
{
    TWindowGroup G;
    InitWindowGroup(G, 3);
    G.Items[0] = CreateWindow("Same", "first", 0, 0, 10, 10, true);
    G.Items[2] = CreateWindow("Same", "second", 0, 0, 10, 10, true);
    EXPECT_EQ(FindWindow(G, "Same"), &G.Items[2]);
    EXPECT_EQ(FindWindow(G, "same"), nullptr);
}

TEST(Window, FrameSitsOnTheBoundsAndTheTitleOverItsShadow)
{
    THeadless Program;
    SDL_FillRect(Screen, nullptr, MapColour(0, 0, 0));
    TWindow W = CreateWindow("W", "H", 100, 100, 220, 195, true);
    W.Alpha = 200;
    DrawWindow(W);
    // Opaque corners at alpha 255 would show the sheet; at 200 they are
    // blended over black, so compare the drawn and undrawn sides instead.
    const auto Drawn = [](int X, int Y) { return !(DisplayColour(X, Y) == TRgb{0, 0, 0}); };
    EXPECT_TRUE(Drawn(110, 120) && Drawn(319, 150) && Drawn(200, 294) && Drawn(305, 293));
    EXPECT_FALSE(Drawn(320, 150) || Drawn(200, 295));
    for (SDL_Surface* Sheet : {WindowImage, ButtonImage, EditImage, SpinImage, ProgressImage})
        EXPECT_EQ(Sheet->format->alpha, 255); // opaque again after the window

    // Title pen at (L + 6, T + 4) in (Alpha, Alpha, Alpha); the shadow one pixel
    // right and down in Alpha - 64. Ink lands one pixel up and left of the pen.
    const int Cell = 8 * (static_cast<int>(FontCharset.find('H')) + 1);
    int Shadow = 0;
    SDL_LockSurface(FontImage);
    for (int I = 0; I < 8; ++I)
        for (int J = 0; J < 16; ++J) {
            if (GetPixel(FontImage, Cell + I, 16 + J) == FontImage->format->colorkey) continue;
            EXPECT_EQ(DisplayColour(105 + I, 103 + J), (TRgb{200, 200, 200}));
            const bool UnderText = I < 7 && J < 15 && GetPixel(FontImage, Cell + I + 1, 16 + J + 1) != FontImage->format->colorkey;
            if (UnderText) continue;
            EXPECT_EQ(DisplayColour(106 + I, 104 + J), (TRgb{136, 136, 136}));
            ++Shadow;
        }
    SDL_UnlockSurface(FontImage);
    EXPECT_GT(Shadow, 0);

    // Rolled up: the bottom border right under the title bar, no body.
    SDL_FillRect(Screen, nullptr, MapColour(0, 0, 0));
    W.Alpha = 255;
    W.Expanded = false;
    DrawWindow(W);
    EXPECT_EQ(DisplayColour(200, 124), SurfaceColour(WindowImage, 6, 25));
    EXPECT_EQ(DisplayColour(200, 200), (TRgb{0, 0, 0}));
}
