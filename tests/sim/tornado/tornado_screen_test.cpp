// The tornado screen driven through the real program under the dummy driver.
#include <gtest/gtest.h>

#include <algorithm>

#include "screen/screen.h"
#include "draw/display.h"
#include "sim/random.h"
#include "support/headless.h"

namespace {

const TRgb Pale{200, 200, 255};

struct TFunnel {
    int Count = 0;
    int Left = DisplayWidth, Right = -1, Top = DisplayHeight, Bottom = -1;
    double TopRowsX = 0; // mean x of the pixels in the funnel's top 30 rows
};

TFunnel MeasureFunnel()
{
    TFunnel F;
    std::vector<std::pair<int, int>> Pixels;
    for (int Y = 0; Y < DisplayHeight; ++Y)
        for (int X = 0; X < DisplayWidth; ++X)
            if (DisplayColour(X, Y) == Pale) Pixels.push_back({X, Y});
    F.Count = static_cast<int>(Pixels.size());
    for (const auto& [X, Y] : Pixels) {
        F.Left = std::min(F.Left, X);
        F.Right = std::max(F.Right, X);
        F.Top = std::min(F.Top, Y);
        F.Bottom = std::max(F.Bottom, Y);
    }
    int InTop = 0;
    for (const auto& [X, Y] : Pixels)
        if (Y < F.Top + 30) {
            F.TopRowsX += X;
            ++InTop;
        }
    if (InTop > 0) F.TopRowsX /= InTop;
    return F;
}

// A repeatable funnel: the spawn angles follow a fixed seed sequence.
void FixSeeds()
{
    RandomSeedSource = [Seed = uint64_t{1}]() mutable { return Seed++; };
}

} // namespace

// The whirl's own tests check its descent, settling and trail in detail;
// these check that the screen steps it about the pointer and shows it.
TEST(TornadoScreen, FunnelDescendsOntoThePointerAndItsBaseFollowsAMove)
{
    FixSeeds();
    THeadless Program;
    ScreenState = StateTornado;
    Program.On(0, [] { MovePointer(350, 450); });
    Program.On(1200, [] { MovePointer(600, 450); });
    TFunnel Early, Full, Before, Just, Later;
    Program.On(2, [&] { Early = MeasureFunnel(); });
    Program.On(1001, [&] { Full = MeasureFunnel(); });
    Program.On(1200, [&] { Before = MeasureFunnel(); });
    Program.On(1202, [&] { Just = MeasureFunnel(); });
    Program.On(1700, [&] { Later = MeasureFunnel(); });
    Program.Run(1700);

    EXPECT_EQ(Early.Count, 0) << "it starts far above the display";
    // The rings' centres sway by the particles' mean offset, a few pixels.
    EXPECT_NEAR(Full.Bottom, 449, 5) << "the lowest ring stands on the pointer";
    EXPECT_NEAR(Before.Bottom, 449, 5);
    // A move of 250 pixels against a sway of a few.
    EXPECT_NEAR(Before.TopRowsX, 349, 20);
    EXPECT_GE(Just.Right, 595) << "the newest rings stand on the new base";
    EXPECT_NEAR(Just.TopRowsX, 349, 20) << "the top has not moved yet";
    EXPECT_NEAR(Later.TopRowsX, 599, 20) << "the top has followed";
}

TEST(TornadoScreen, WindowDragsAloneAndEscStartsANewWhirlNextTime)
{
    THeadless Program;
    ScreenState = StateTornado;
    DragAt(Program, 3, 250, 210, 250, 110); // by the title bar
    TRgb TitleMoved{}, OldTitle{};
    Program.On(5, [&] {
        TitleMoved = DisplayColour(230, 102);
        OldTitle = DisplayColour(230, 202);
    });
    Program.On(6, [] { PushKey(SDLK_ESCAPE, true); });
    Uint8 AfterEsc = 255;
    Program.On(7, [&] { AfterEsc = ScreenState; });
    ClickAt(Program, 9, 190, 166); // "Symulacja tornada"
    TFunnel OnReturn;
    Program.On(12, [&] { OnReturn = MeasureFunnel(); });
    Program.Run(12);

    EXPECT_NE(TitleMoved, (TRgb{0, 0, 0})) << "the window's title bar is at its new place";
    EXPECT_EQ(OldTitle, (TRgb{0, 0, 0}));
    EXPECT_EQ(AfterEsc, StateMenu);
    EXPECT_EQ(OnReturn.Count, 0) << "a new whirl starts above the display again";
}
