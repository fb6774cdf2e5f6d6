// The pieces the command keys show: the pause's rule, the top strip, the
// frame rate, the statistics line's text and the help panel's rows.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "draw/codepage.h"
#include "draw/display.h"
#include "draw/text.h"
#include "screen/focus_hold.h"
#include "screen/help_panel.h"
#include "screen/pause.h"
#include "screen/screen.h"
#include "screen/statistics_line.h"
#include "screen/top_strip.h"
#include "sim/particles/particle_screen.h"
#include "support/headless.h"

TEST(Pause, EachRowOfTheFrameTable)
{
    struct TRow {
        bool Paused, PausePressed, StepPressed, PausedAfter, Steps;
    };
    for (const TRow& R : {TRow{false, false, false, false, true}, TRow{true, false, false, true, false},
                          TRow{false, true, false, true, false}, TRow{true, true, false, false, true},
                          TRow{true, false, true, true, true}, TRow{false, false, true, false, true}}) {
        TPause P{R.Paused};
        EXPECT_EQ(ApplyPause(P, R.PausePressed, R.StepPressed), R.Steps) << R.Paused << R.PausePressed << R.StepPressed;
        EXPECT_EQ(P.Paused, R.PausedAfter) << R.Paused << R.PausePressed << R.StepPressed;
    }
}

TEST(Statistics, TheFrameRateCountsTheFramesOfTheLastSecond)
{
    TFrameRate Rate;
    EXPECT_EQ(Rate.FrameAt(10.0), 1);
    EXPECT_EQ(Rate.FrameAt(10.5), 2);
    EXPECT_EQ(Rate.FrameAt(10.999), 3);
    EXPECT_EQ(Rate.FrameAt(11.0), 3) << "the frame of 10.0 is a second old";
    EXPECT_EQ(Rate.FrameAt(13.0), 1);
}

TEST(Statistics, TheLineReadsRateBusyTimeAndTheScreensCounts)
{
    TParticleScreen S = CreateParticleScreen();
    S.World.Particles.resize(12);
    S.World.Walls.resize(3);
    EXPECT_EQ(StatisticsText(60, 3.26, ParticleCounts(S)),
              Cp1250("60 kl./s  praca: 3.3 ms  cząsteczki: 12  ściany: 3"));
    EXPECT_EQ(StatisticsText(144, 0.04, ""), Cp1250("144 kl./s  praca: 0.0 ms"));
}

TEST(HelpPanel, EveryScreensRowsAreDrawableAndThePanelFitsTheDisplay)
{
    for (const Uint8 State : {StateMenu, StateParticles, StateTornado, StateFire}) {
        const std::vector<THelpRow> Rows = HelpRows(State);
        for (const THelpRow& R : Rows)
            for (const char C : R.Keys + R.Text)
                EXPECT_TRUE(C == ' ' || FontCharset.find(C) != std::string_view::npos)
                    << int{State} << ": '" << C << "' in " << R.Keys << " " << R.Text;
        const TSegment& Bounds = CreateHelpPanel(Rows).Bounds;
        EXPECT_GE(Bounds.A.X, 0);
        EXPECT_GE(Bounds.A.Y, 0);
        EXPECT_LE(Bounds.B.X, DisplayWidth);
        EXPECT_LE(Bounds.B.Y, DisplayHeight);
        const bool Simulation = State != StateMenu;
        const bool HasPause = std::any_of(Rows.begin(), Rows.end(), [](const THelpRow& R) { return R.Keys == "F6"; });
        EXPECT_EQ(HasPause, Simulation) << "pause and step only where a simulation runs";
    }
}

TEST(TopStrip, ANoticeLastsItsFramesAndANewerOneReplacesIt)
{
    PostNotice("a");
    for (int Frame = 0; Frame < NoticeFrames - 1; ++Frame) ASSERT_EQ(TakeNoticeFrame(), "a") << Frame;
    PostNotice("b");
    int Shown = 0;
    while (TakeNoticeFrame() == "b") ++Shown;
    EXPECT_EQ(Shown, NoticeFrames);
    EXPECT_EQ(TakeNoticeFrame(), "");
}

TEST(TopStrip, LinesStackWithoutHidingEachOther)
{
    THeadless Program;
    ScreenState = StateFire;
    Program.On(2, [] {
        TapKey(SDLK_F5);
        PostNotice("Zrzut");
    });
    std::set<int> Rows;
    Program.On(3, [&] {
        for (const auto& [X, Y] : PixelsOf({255, 255, 0}))
            if (Y < 60) Rows.insert(Y);
    });
    Program.Run(3);
    ASSERT_FALSE(Rows.empty());
    // Each line's glyphs within its own band of rows, the first where the
    // pause label always was.
    const auto InBand = [&](int Line) {
        const int Top = TopStripY - 1 + Line * TopStripLineHeight;
        return std::count_if(Rows.begin(), Rows.end(), [&](int Y) { return Top <= Y && Y < Top + 16; });
    };
    EXPECT_GT(InBand(0), 5);
    EXPECT_GT(InBand(1), 5);
    EXPECT_EQ(InBand(0) + InBand(1), static_cast<long>(Rows.size()));
}

TEST(TopStrip, SaysWhyTheParticleWorldStandsStillWhileItsWindowHasTheFocus)
{
    // Yellow rows of the strip's first line after each frame: a click on
    // the control window's body gives it the focus, a click outside takes
    // the focus away (on the release).
    THeadless Program;
    ScreenState = StateParticles;
    ClickAt(Program, 2, 400, 370);
    ClickAt(Program, 6, 700, 100);
    const auto FirstLineLit = [] {
        int Lit = 0;
        for (const auto& [X, Y] : PixelsOf({255, 255, 0})) Lit += Y >= TopStripY - 1 && Y < TopStripY + 15;
        return Lit;
    };
    std::vector<int> Lit;
    for (int Frame = 1; Frame <= 8; ++Frame) Program.On(Frame, [&] { Lit.push_back(FirstLineLit()); });
    Program.Run(8);
    ASSERT_EQ(Lit.size(), 8u);
    EXPECT_EQ(Lit[0], 0) << "the world runs";
    for (int Frame = 2; Frame <= 6; ++Frame) EXPECT_GT(Lit[Frame - 1], 50) << Frame;
    EXPECT_EQ(Lit[6], 0) << "released outside: the world runs again";
    EXPECT_EQ(Lit[7], 0);
    const std::string Line = FocusHoldLabel();
    EXPECT_LE(8 * Line.size(), 800u);
    EXPECT_EQ(Line.find_first_not_of(std::string(FontCharset) + " "), std::string::npos);
}
