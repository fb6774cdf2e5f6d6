// The fire screen driven through the real program under the dummy driver.
#include <gtest/gtest.h>

#include "screen/screen.h"
#include "draw/display.h"
#include "support/headless.h"

namespace {

// Lit pixels in display rows First..Last.
int LitPixels(int First, int Last)
{
    int Lit = 0;
    for (int Y = First; Y <= Last; ++Y)
        for (int X = 0; X < DisplayWidth; ++X) Lit += DisplayPixel(X, Y) != MapColour(0, 0, 0);
    return Lit;
}

} // namespace

TEST(FireScreen, FirstFrameIsDarkAndTheSecondBurnsAtTheBottom)
{
    THeadless Program;
    ScreenState = StateFire;
    int First = -1, SecondBottom = -1, SecondUpper = -1;
    Program.On(1, [&] { First = LitPixels(500, 599); });
    Program.On(2, [&] {
        SecondBottom = LitPixels(590, 599);
        SecondUpper = LitPixels(500, 579);
    });
    Program.Run(2);
    EXPECT_EQ(First, 0);
    EXPECT_GT(SecondBottom, 6000) << "the bottom ten rows are mostly lit";
    EXPECT_LT(SecondUpper, 400) << "flames have not climbed yet";
}

TEST(FireScreen, FlamesAreBlendedOverAWindowDraggedIntoThem)
{
    THeadless Program;
    ScreenState = StateFire;
    DragAt(Program, 3, 250, 210, 250, 560); // held at the bottom edge: A.Y = 540
    std::vector<Uint32> One, Two;
    Program.On(40, [&] { One = CaptureDisplay(); });
    Program.On(41, [&] { Two = CaptureDisplay(); });
    Program.Run(41);

    const auto At = [](const std::vector<Uint32>& Display, int X, int Y) { return Display[Y * DisplayWidth + X]; };
    int Changed = 0, WindowLike = 0;
    for (int Y = 585; Y < 597; ++Y)
        for (int X = 210; X < 320; ++X) {
            Changed += At(One, X, Y) != At(Two, X, Y);
            Uint8 R, G, B;
            SDL_GetRGB(At(One, X, Y), Screen->format, &R, &G, &B);
            WindowLike += B > 40; // fire has no blue; the window body shows through
        }
    EXPECT_GT(Changed, 500) << "the flames move over the window";
    EXPECT_GT(WindowLike, 500) << "the window is still seen under them";
    for (int X = 210; X < 320; ++X) EXPECT_EQ(At(One, X, 545), At(Two, X, 545)) << "no fire this high";
}

TEST(FireScreen, EscGoesBackToTheMenuAsItsButtonSays)
{
    THeadless Program;
    ScreenState = StateFire;
    Program.On(3, [] { PushKey(SDLK_ESCAPE, true); });
    Uint8 AfterEsc = 255;
    Program.On(4, [&] { AfterEsc = ScreenState; });
    EXPECT_EQ(Program.Run(6), 6) << "the program goes on in the menu";
    EXPECT_EQ(AfterEsc, StateMenu);
}

TEST(FireScreen, TheWindowsCloseControlStillEndsTheProgram)
{
    THeadless Program;
    ScreenState = StateFire;
    Program.On(3, [] { PushQuit(); });
    EXPECT_EQ(Program.Run(100), 4);
    EXPECT_EQ(ScreenState, StateQuit);
}

TEST(FireScreen, BackButtonGoesToTheMenuAndTheFireStartsAgainEmpty)
{
    THeadless Program;
    ScreenState = StateFire;
    ClickAt(Program, 4, 260, 240); // "Powrót [Esc]"
    Uint8 AfterBack = 255;
    Program.On(5, [&] { AfterBack = ScreenState; });
    ClickAt(Program, 8, 190, 192); // "Symulacja ognia"
    int FirstAgain = -1;
    Program.On(10, [&] { FirstAgain = LitPixels(500, 599); });
    Program.Run(10);
    EXPECT_EQ(AfterBack, StateMenu);
    EXPECT_EQ(FirstAgain, 0);
}
