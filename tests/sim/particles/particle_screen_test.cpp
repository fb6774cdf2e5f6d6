// The particle screen driven through the real program under the dummy
// driver. The control window's content starts at display (206, 223).
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "screen/screen.h"
#include "draw/codepage.h"
#include "draw/display.h"
#include "draw/text.h"
#include "sim/geometry/rounding.h"
#include "sim/particles/physics.h"
#include "sim/particles/readout.h"
#include "support/headless.h"

namespace {

constexpr int ParticleBoxX = 215, ParticleBoxY = 233; // radio "Cząsteczka"
constexpr int WallBoxX = 215, WallBoxY = 251;         // radio "Ściana"

const TRgb Red{255, 0, 0};
const TRgb Yellow{255, 255, 0};

// Enters the screen, chooses a radio box in frames 2-3 and takes the focus
// away from the window in frames 5-6, so a gesture from frame 8 on counts.
void ChooseAndLeaveWindow(THeadless& Program, int BoxX, int BoxY)
{
    ScreenState = StateParticles;
    ClickAt(Program, 2, BoxX, BoxY);
    ClickAt(Program, 5, 100, 500);
}

} // namespace

TEST(ReadoutFormat, FifteenSignificantDigitsWithoutTrailingZeros)
{
    EXPECT_EQ(FormatReadout(45), "45");
    EXPECT_EQ(FormatReadout(141.4213562373095), "141.42135623731");
    EXPECT_EQ(FormatReadout(50), "50");
    EXPECT_EQ(FormatReadout(0), "0");
    EXPECT_EQ(FormatReadout(0.5), "0.5");
    EXPECT_EQ(FormatReadout(306.86989764584402), "306.869897645844");
    EXPECT_EQ(FormatReadout(0.0358095674519875), "0.0358095674519875");
    EXPECT_EQ(FormatReadout(359.99999999999997), "360");
    EXPECT_EQ(FormatReadout(-2.5), "-2.5");
}

TEST(ParticleScreen, ThrowStartsAtThePressPointWithATenthOfTheDrag)
{
    THeadless Program;
    ChooseAndLeaveWindow(Program, ParticleBoxX, ParticleBoxY);
    DragAt(Program, 8, 100, 500, 130, 460); // a drag of (30, -40), released in frame 10
    std::vector<Uint32> DuringDrag;
    std::vector<std::pair<int, int>> Thrown, OneStepLater;
    Program.On(9, [&] { DuringDrag = CaptureDisplay(); });
    Program.On(10, [&] { Thrown = PixelsOf(Red); });
    Program.On(11, [&] { OneStepLater = PixelsOf(Red); });
    Program.Run(11);

    // Drawn before its first step, at the press point (-300, 200).
    EXPECT_EQ(Thrown, (std::vector<std::pair<int, int>>{{99, 499}}));
    // One step with the screen's settings (gravity 0.5, air friction 0.999) later.
    TPhysics Model;
    InitPhysics(Model);
    Model.Gravity = MakeVector(0, 0.5);
    TParticle Particle{};
    Particle.Pos = MakeVector(-300, 200);
    Particle.Vel = MakeVector(3, -4);
    Model.Particles.push_back(Particle);
    StepPhysics(Model);
    const TVector& Pos = Model.Particles[0].Pos;
    EXPECT_EQ(OneStepLater,
              (std::vector<std::pair<int, int>>{{Round(Extended(Pos.X)) + 399, Round(Extended(Pos.Y)) + 299}}));

    // The readouts of the drag, in the display's top-left corner.
    const std::string Angle = FormatReadout(MakeVector(30, -40).Angle);
    EXPECT_EQ(Angle.substr(0, 6), "306.86");
    SDL_FillRect(Screen, nullptr, 0);
    const Uint32 YellowPixel = MapColour(255, 255, 0);
    DrawText(1, 1, YellowPixel, Cp1250("Kąt: ") + Angle, false, 0);
    DrawText(1, 17, YellowPixel, Cp1250("Wartość: 50"), false, 0);
    const std::vector<Uint32> Expected = CaptureDisplay();
    for (int Y = 0; Y < 34; ++Y)
        for (int X = 0; X < 300; ++X) {
            const size_t I = static_cast<size_t>(Y) * DisplayWidth + X;
            ASSERT_EQ(DuringDrag[I] == YellowPixel, Expected[I] == YellowPixel) << X << "," << Y;
        }
}

TEST(ParticleScreen, WallsRunDownwardsAndNeedADragOfAPixel)
{
    THeadless Program;
    ChooseAndLeaveWindow(Program, WallBoxX, WallBoxY);
    DragAt(Program, 8, 400, 550, 600, 450); // upwards: the release point becomes the wall's first end
    ClickAt(Program, 13, 300, 100);          // no drag: no wall
    std::vector<std::pair<int, int>> AfterWall, AfterClick;
    Program.On(10, [&] { AfterWall = PixelsOf(Yellow); });
    Program.On(14, [&] { AfterClick = PixelsOf(Yellow); });
    Program.Run(14);

    // A line does not plot its first end but always its second.
    ASSERT_FALSE(AfterWall.empty());
    const auto Has = [&](int X, int Y) {
        return std::find(AfterWall.begin(), AfterWall.end(), std::make_pair(X, Y)) != AfterWall.end();
    };
    EXPECT_TRUE(Has(399, 549)) << "the press point ends the wall";
    EXPECT_FALSE(Has(599, 449)) << "the release point starts it";
    EXPECT_EQ(AfterClick, AfterWall);
}

TEST(ParticleScreen, FocusedWindowFreezesTheWorldAndGravityFollowsItsSpinEdit)
{
    THeadless Program;
    ChooseAndLeaveWindow(Program, ParticleBoxX, ParticleBoxY);
    ClickAt(Program, 8, 100, 300); // a particle at rest, falling from frame 9 on
    ClickAt(Program, 12, 300, 360); // focus the window: the world stops
    // Gravity's down arrow dragged far away: its value drops to 0; the
    // release outside the window lets the world run again.
    DragAt(Program, 16, 540, 260, 0, 599);
    ClickAt(Program, 20, 400, 100); // a particle at rest without gravity
    std::map<int, std::vector<std::pair<int, int>>> Shown;
    for (int Frame : {9, 11, 13, 14, 15, 21, 24, 27}) Program.On(Frame, [&, Frame] { Shown[Frame] = PixelsOf(Red); });
    Program.Run(27);

    ASSERT_EQ(Shown[9].size(), 1u);
    EXPECT_GT(Shown[11][0].second, Shown[9][0].second) << "it falls";
    EXPECT_EQ(Shown[13], Shown[14]) << "frozen while the window is focused";
    EXPECT_EQ(Shown[14], Shown[15]);
    const auto Resting = std::make_pair(399, 99);
    for (int Frame : {21, 24, 27}) {
        ASSERT_EQ(Shown[Frame].size(), 2u) << Frame;
        EXPECT_NE(std::find(Shown[Frame].begin(), Shown[Frame].end(), Resting), Shown[Frame].end()) << Frame;
    }
    EXPECT_NE(Shown[24], Shown[27]) << "the first particle runs on";
}

TEST(ParticleScreen, EscGoesBackToTheMenuAndTheNextVisitStartsEmpty)
{
    THeadless Program;
    ChooseAndLeaveWindow(Program, ParticleBoxX, ParticleBoxY);
    ClickAt(Program, 8, 100, 300);
    Program.On(10, [] { PushKey(SDLK_ESCAPE, true); });
    Program.On(11, [] { PushKey(SDLK_ESCAPE, false); });
    Uint8 AfterEsc = 255;
    Program.On(11, [&] { AfterEsc = ScreenState; });
    ClickAt(Program, 14, 190, 140); // "Symulacja cząsteczek" on the menu
    // Nothing is chosen on the new visit: a gesture adds nothing.
    ClickAt(Program, 18, 100, 500);
    ClickAt(Program, 21, 100, 300);
    size_t RedLater = 99;
    Program.On(23, [&] { RedLater = PixelsOf(Red).size(); });
    Program.Run(23);
    EXPECT_EQ(AfterEsc, StateMenu);
    EXPECT_EQ(RedLater, 0u);
}
