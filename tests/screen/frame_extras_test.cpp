// The pieces the command keys show: the pause's rule, the top strip, the
// frame rate, the statistics line's text and the help panel's rows.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "app/menu.h"
#include "draw/codepage.h"
#include "draw/display.h"
#include "draw/text.h"
#include "screen/focus_hold.h"
#include "screen/help_panel.h"
#include "screen/pause.h"
#include "screen/screen.h"
#include "screen/statistics_line.h"
#include "screen/top_strip.h"
#include "sim/fire/fire_screen.h"
#include "sim/particles/particle_screen.h"
#include "sim/tornado/tornado_screen.h"
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

TEST(Statistics, TheRatesCountTheFramesAndStepsOfTheLastSecond)
{
    TFrameRate Rate;
    EXPECT_EQ(Rate.FrameAt(10.0), 1);
    EXPECT_EQ(Rate.FrameAt(10.5), 2);
    EXPECT_EQ(Rate.FrameAt(10.999), 3);
    EXPECT_EQ(Rate.FrameAt(11.0), 3) << "the frame of 10.0 is a second old";
    EXPECT_EQ(Rate.FrameAt(13.0), 1);

    TStepRate Steps;
    EXPECT_EQ(Steps.StepsAt(10.0, 8), 8);
    EXPECT_EQ(Steps.StepsAt(10.5, 0), 8);
    EXPECT_EQ(Steps.StepsAt(10.999, 2), 10);
    EXPECT_EQ(Steps.StepsAt(11.0, 1), 3) << "the steps of 10.0 are a second old";
    EXPECT_EQ(Steps.StepsAt(13.0, 4), 4);
}

TEST(Statistics, TheLineReadsRatesTempoBusyTimeAndTheScreensCounts)
{
    TParticleScreen S = CreateParticleScreen();
    S.World.Particles.resize(12);
    S.World.Walls.resize(3);
    EXPECT_EQ(StatisticsText({60, 120, "2x", 3.26}, ParticleCounts(S)),
              Cp1250("60 kl./s  120 kroki/s  tempo 2x  praca: 3.3 ms  cząsteczki: 12  ściany: 3"));
    EXPECT_EQ(StatisticsText({144, 15, "1/4x", 0.04}, ""), Cp1250("144 kl./s  15 kroki/s  tempo 1/4x  praca: 0.0 ms"));
}

namespace {

// Every window a screen starts with, by its screen state.
TWindowGroup StartingWindows(Uint8 State)
{
    switch (State) {
    case StateParticles: return CreateParticleScreen().Windows;
    case StateTornado: return CreateTornadoScreen().Windows;
    case StateFire: return CreateFireScreen().Windows;
    default: return CreateMenuScreen().Windows;
    }
}

bool Overlap(const TSegment& P, const TSegment& Q)
{
    return P.A.X < Q.B.X && Q.A.X < P.B.X && P.A.Y < Q.B.Y && Q.A.Y < P.B.Y;
}

} // namespace

TEST(HelpPanel, EveryScreensPanelIsDrawableAndFitsBesideItsWindowsWithRoomToSpare)
{
    for (const Uint8 State : {StateMenu, StateParticles, StateTornado, StateFire}) {
        std::vector<THelpRow> Rows = HelpRows(State);
        for (const THelpRow& R : Rows) {
            for (const char C : R.Keys + R.Text)
                EXPECT_TRUE(C == ' ' || FontCharset.find(C) != std::string_view::npos)
                    << int{State} << ": '" << C << "' in " << R.Keys << " " << R.Text;
            EXPECT_LE(R.Keys.size(), HelpKeysLength) << R.Keys;
            EXPECT_LE(R.Text.size(), HelpTextLength) << R.Text;
        }
        const bool Simulation = State != StateMenu;
        const bool HasPause = std::any_of(Rows.begin(), Rows.end(), [](const THelpRow& R) { return R.Keys == "F6"; });
        EXPECT_EQ(HasPause, Simulation) << "pause and step only where a simulation runs";

        // As the rows are, and with three more rows of the longest keys and
        // texts: on the display, below the top strip's two lines, above
        // the statistics line, beside every window the screen starts with.
        for (int More = 0; More <= 3; More += 3) {
            for (int I = 0; I < More; ++I)
                Rows.push_back({std::string(HelpKeysLength, 'K'), std::string(HelpTextLength, 'T')});
            const TSegment& Panel = CreateHelpPanel(Rows, State).Bounds;
            EXPECT_GE(Panel.A.X, 0) << int{State} << " +" << More;
            EXPECT_GE(Panel.A.Y, TopStripY + 2 * TopStripLineHeight) << int{State} << " +" << More;
            EXPECT_LE(Panel.B.X, DisplayWidth) << int{State} << " +" << More;
            EXPECT_LE(Panel.B.Y, StatisticsLineY - 1) << int{State} << " +" << More;
            for (const TWindow& W : StartingWindows(State).Items)
                EXPECT_FALSE(Overlap(Panel, W.Bounds)) << int{State} << " +" << More << " over " << W.Name;
        }
    }
}

TEST(HelpPanel, AnEntryStaysInOneColumn)
{
    // Five entries, the third of three rows: the columns split before it
    // or after it, never within it.
    std::vector<THelpRow> Rows = {{"a", "1"}, {"b", "2"}, {"c", "3"}, {"", "3"}, {"", "3"}, {"d", "4"}, {"e", "5"}};
    const TWindow Panel = CreateHelpPanel(Rows, StateMenu);
    ASSERT_EQ(Panel.Labels.Items.size(), 2 * Rows.size());
    const auto ColumnX = [&](size_t Row) { return Panel.Labels.Items[2 * Row].Pos.X; };
    EXPECT_EQ(ColumnX(2), ColumnX(3));
    EXPECT_EQ(ColumnX(3), ColumnX(4));
    EXPECT_NE(ColumnX(0), ColumnX(6)) << "two columns";
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
