// The command keys through SDL's real queue under the dummy driver: each
// works on each screen, and a run that presses none of them shows the
// screens' own frames, pixel for pixel.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <variant>

#include "app/frame_extras.h"
#include "app/input.h"
#include "app/menu.h"
#include "app/screen_loop.h"
#include "app/video.h"
#include "draw/display.h"
#include "input/command_keys.h"
#include "screen/focus_hold.h"
#include "screen/help_panel.h"
#include "screen/screen.h"
#include "screen/statistics_line.h"
#include "screen/top_strip.h"
#include "sim/fire/fire_screen.h"
#include "sim/particles/particle_screen.h"
#include "sim/random.h"
#include "sim/tornado/tornado_screen.h"
#include "support/environment.h"
#include "support/fnv_hash.h"
#include "support/headless.h"
#include "support/png_read.h"

namespace {

constexpr Uint8 Screens[] = {StateMenu, StateParticles, StateTornado, StateFire};
constexpr Uint8 Simulations[] = {StateParticles, StateTornado, StateFire};

// Repeatable runs: the generator as at start-up and the whirl's spawn
// angles from a fixed sequence, for every run of a test afresh.
void FixRandom()
{
    ResetRandom();
    RandomSeedSource = [Seed = uint64_t{1}]() mutable { return Seed++; };
}

uint64_t DisplayHash()
{
    TFnvHash Hash;
    for (const Uint32 Pixel : CaptureDisplay()) Hash.Add(static_cast<int32_t>(Pixel));
    return Hash.Value();
}

// Display pixels in which two captures differ.
std::vector<std::pair<int, int>> Differences(const std::vector<Uint32>& A, const std::vector<Uint32>& B)
{
    std::vector<std::pair<int, int>> Found;
    for (size_t I = 0; I < A.size() && I < B.size(); ++I)
        if (A[I] != B[I]) Found.push_back({static_cast<int>(I % DisplayWidth), static_cast<int>(I / DisplayWidth)});
    return Found;
}

bool InHelpPanel(Uint8 State, int X, int Y)
{
    static std::map<Uint8, TSegment> Panels;
    if (!Panels.count(State)) Panels[State] = HelpPanel(State).Bounds;
    const TSegment& Bounds = Panels[State];
    return X >= Bounds.A.X && X < Bounds.B.X && Y >= Bounds.A.Y && Y < Bounds.B.Y;
}

bool OnStatisticsLine(int Y) { return Y >= StatisticsLineY - 1 && Y <= StatisticsLineY + 15; }

// The particle screen with a particle thrown high from (400, 150) at frame
// 10, falling back through the display for some sixty frames; the other
// screens as they start. The pointer rests on (700, 100): the poll reads it
// at every event, so a run with keys would otherwise see it move.
void EnterWithMotion(THeadless& Program, Uint8 State)
{
    ScreenState = State;
    // The funnel starts far above the pointer; with the pointer low it
    // comes into view within some 400 frames.
    Program.On(0, [State] { State == StateTornado ? MovePointer(400, 590) : MovePointer(700, 100); });
    if (State != StateParticles) return;
    ClickAt(Program, 2, 215, 233); // "Cząsteczka"
    ClickAt(Program, 5, 100, 500); // the window loses the focus
    DragAt(Program, 8, 400, 150, 400, 50);
    Program.On(11, [] { MovePointer(700, 100); });
}

// The screen loop as it was before the command keys: poll, clear, the
// screen's own work, pointer, flip; the oracle of the unchanged frames.
class TPlainLoop {
public:
    bool Frame()
    {
        if (std::holds_alternative<std::monostate>(Running) || State != ScreenState) Enter();
        std::visit([](auto& S) { Show(S); }, Running);
        if (ScreenState != State) Running.emplace<std::monostate>();
        return ScreenState != StateQuit;
    }

private:
    std::variant<std::monostate, TMenuScreen, TParticleScreen, TTornadoScreen, TFireScreen> Running;
    Uint8 State = StateMenu;

    void Enter()
    {
        State = ScreenState;
        switch (State) {
        case StateMenu: Running.emplace<TMenuScreen>(CreateMenuScreen()); break;
        case StateParticles: Running.emplace<TParticleScreen>(CreateParticleScreen()); break;
        case StateTornado: Running.emplace<TTornadoScreen>(CreateTornadoScreen()); break;
        case StateFire: Running.emplace<TFireScreen>(CreateFireScreen()); break;
        default: Running.emplace<std::monostate>(); break;
        }
    }
    template <typename TWork>
    static void Plain(Uint8 Esc, const TEventReaction& React, TWork Work)
    {
        PollEvents(Esc, React);
        ClearScreen();
        Work();
        DrawCursor();
        SDL_Flip(Screen);
    }
    static void Show(std::monostate) {}
    static void Show(TMenuScreen& S)
    {
        Plain(StateQuit, nullptr, [&] { RunMenuFrame(S); });
    }
    // The particle screen's frame includes the line that says why its world
    // stands still while its window has the focus.
    static void Show(TParticleScreen& S)
    {
        Plain(
            StateMenu, [&](const SDL_Event& E) { ReactToParticleEvent(S, E); },
            [&] {
                RunParticleFrame(S, 1);
                if (WorldHeldByFocus(S)) DrawTopStrip({FocusHoldLabel()});
            });
    }
    static void Show(TTornadoScreen& S)
    {
        Plain(StateMenu, nullptr, [&] { RunTornadoFrame(S, 1); });
    }
    static void Show(TFireScreen& S)
    {
        Plain(StateMenu, nullptr, [&] { RunFireFrame(S, 1); });
    }
};

} // namespace

TEST(CommandKeys, EachSetsItsFlagForOneFrameAndNeverReachesTheWidgets)
{
    THeadless Program;
    PollEvents(StateMenu);
    const std::vector<std::pair<SDLKey, bool TCommandKeys::*>> Keys = {
        {SDLK_F1, &TCommandKeys::Help},          {SDLK_F3, &TCommandKeys::Statistics},
        {SDLK_F5, &TCommandKeys::Pause},         {SDLK_PAUSE, &TCommandKeys::Pause},
        {SDLK_F8, &TCommandKeys::Pause},         {SDLK_F6, &TCommandKeys::Step},
        {SDLK_F11, &TCommandKeys::FullScreen},   {SDLK_F12, &TCommandKeys::Screenshot},
        {SDLK_PRINT, &TCommandKeys::Screenshot}, {SDLK_F9, &TCommandKeys::Screenshot},
        {SDLK_PLUS, &TCommandKeys::Faster},      {SDLK_EQUALS, &TCommandKeys::Faster},
        {SDLK_KP_PLUS, &TCommandKeys::Faster},   {SDLK_MINUS, &TCommandKeys::Slower},
        {SDLK_KP_MINUS, &TCommandKeys::Slower}};
    PushKey(SDLK_a, true); // held: a key without a name would report it again
    PollEvents(StateMenu);
    for (const auto& [Key, Flag] : Keys) {
        PushKey(Key, true);
        PollEvents(StateMenu);
        EXPECT_TRUE(CommandKeys.*Flag) << Key;
        EXPECT_FALSE(KeyDown) << Key << ": an edit would type the held key again";
        EXPECT_EQ(KeyName, "a") << Key;
        TCommandKeys Others = CommandKeys;
        Others.*Flag = false;
        EXPECT_FALSE(Others.Help || Others.Statistics || Others.Pause || Others.Step || Others.FullScreen ||
                     Others.Screenshot || Others.Faster || Others.Slower)
            << Key;
        PollEvents(StateMenu);
        EXPECT_FALSE(CommandKeys.*Flag) << Key << ": the next poll clears it";
    }
    EXPECT_EQ(ScreenState, StateMenu);

    // Two commands pressed within one frame reach the loop in two frames.
    TapKey(SDLK_F5);
    TapKey(SDLK_F5);
    PollEvents(StateMenu);
    EXPECT_TRUE(CommandKeys.Pause);
    PollEvents(StateMenu);
    EXPECT_TRUE(CommandKeys.Pause);
    PollEvents(StateMenu);
    EXPECT_FALSE(CommandKeys.Pause);
}

TEST(CommandKeys, ARunWithoutThemShowsTheScreensOwnFrames)
{
    // Every screen visited, with clicks, drags, a throw, typing and Esc.
    const auto Script = [](THeadless& Program) {
        Program.On(0, [] { MovePointer(420, 185); });
        ClickAt(Program, 3, 420, 185); // the test window's edit
        Program.On(5, [] { TapKey(SDLK_k); });
        ClickAt(Program, 8, 150, 140); // "Symulacja cząsteczek"
        ClickAt(Program, 12, 215, 233);
        ClickAt(Program, 15, 100, 500);
        DragAt(Program, 18, 400, 150, 430, 60);
        Program.On(40, [] { TapKey(SDLK_ESCAPE); });
        ClickAt(Program, 44, 150, 166); // "Symulacja tornada"
        Program.On(50, [] { MovePointer(300, 400); });
        Program.On(70, [] { TapKey(SDLK_ESCAPE); });
        ClickAt(Program, 74, 150, 192); // "Symulacja ognia"
        DragAt(Program, 80, 250, 210, 300, 480);
    };
    const auto Hashes = [&](bool Plain) {
        FixRandom();
        THeadless Program;
        Script(Program);
        std::vector<uint64_t> Frames;
        TPlainLoop Loop;
        const auto Frame = [&] {
            const bool GoesOn = Plain ? Loop.Frame() : RunScreenFrame();
            Frames.push_back(DisplayHash());
            return GoesOn;
        };
        Program.Run(110, Frame);
        return Frames;
    };
    const std::vector<uint64_t> Today = Hashes(true);
    const std::vector<uint64_t> Now = Hashes(false);
    ASSERT_EQ(Today.size(), 110u);
    ASSERT_EQ(Now.size(), Today.size());
    for (size_t I = 0; I < Today.size(); ++I) ASSERT_EQ(Now[I], Today[I]) << "frame " << I + 1;
    EXPECT_EQ(std::set<uint64_t>(Today.begin(), Today.end()).size() > 50, true) << "the run shows moving scenes";
}

TEST(CommandKeys, HelpAndStatisticsShowOnEachScreenOnlyWhereTheyStand)
{
    for (const Uint8 State : Screens) {
        const auto Run = [State](bool Keys) {
            FixRandom();
            THeadless Program;
            EnterWithMotion(Program, State);
            if (Keys) {
                Program.On(20, [] { TapKey(SDLK_F1); });
                Program.On(21, [] { TapKey(SDLK_F3); });
                Program.On(22, [] { TapKey(SDLK_F1); });
                Program.On(23, [] { TapKey(SDLK_F3); });
            }
            std::map<int, std::vector<Uint32>> Shots;
            for (int Frame = 21; Frame <= 24; ++Frame)
                Program.On(Frame, [&, Frame] { Shots[Frame] = CaptureDisplay(); });
            Program.Run(24);
            return Shots;
        };
        auto Plain = Run(false);
        auto Keyed = Run(true);
        const auto Help = Differences(Plain[21], Keyed[21]);
        const auto Both = Differences(Plain[22], Keyed[22]);
        const auto Statistics = Differences(Plain[23], Keyed[23]);

        EXPECT_GT(Help.size(), 10000u) << int{State};
        EXPECT_TRUE(std::all_of(Help.begin(), Help.end(), [&](auto P) {
            return InHelpPanel(State, P.first, P.second);
        })) << int{State};
        EXPECT_TRUE(std::all_of(Both.begin(), Both.end(), [&](auto P) {
            return InHelpPanel(State, P.first, P.second) || OnStatisticsLine(P.second);
        })) << int{State};
        EXPECT_GT(Statistics.size(), 100u) << int{State};
        EXPECT_TRUE(std::all_of(Statistics.begin(), Statistics.end(), [](auto P) {
            return OnStatisticsLine(P.second);
        })) << int{State};
        EXPECT_EQ(Plain[24], Keyed[24]) << int{State} << ": both hidden again";
    }
}

TEST(CommandKeys, TheHelpPanelTakesPressesOnItselfAndItsBoxHidesIt)
{
    // The screen's main window is focused first: a press or a release that
    // went through the panel would take its focus away (and on the
    // particle screen throw a particle), which every later frame shows.
    enum TRun { Shown, Pressed, Boxed, HiddenByF1 };
    for (const Uint8 State : Screens) {
        const TWindow Panel = HelpPanel(State);
        const int PanelX = static_cast<int>((Panel.Bounds.A.X + Panel.Bounds.B.X) / 2);
        const int PanelY = static_cast<int>((Panel.Bounds.A.Y + Panel.Bounds.B.Y) / 2);
        const THotRect Box = RollUpBox(Panel);
        const int BoxX = static_cast<int>((Box.X1 + Box.X2) / 2), BoxY = static_cast<int>((Box.Y1 + Box.Y2) / 2);
        const int WindowX = State == StateMenu ? 103 : 203, WindowY = State == StateMenu ? 130 : 230; // a border
        const auto Run = [&](TRun Kind) {
            FixRandom();
            THeadless Program;
            EnterWithMotion(Program, State);
            Program.On(12, [] { TapKey(SDLK_F1); });
            ClickAt(Program, 14, WindowX, WindowY);
            // The same pointer moves in every run; the buttons only where the run says.
            Program.On(15, [&] {
                MovePointer(PanelX, PanelY);
                if (Kind == Pressed) PushMouseButton(true);
            });
            Program.On(16, [&] { MovePointer(PanelX + 30, PanelY - 10); });
            Program.On(17, [&] {
                if (Kind == Pressed) PushMouseButton(false);
                if (Kind == Pressed) PushMouseButton(true, SDL_BUTTON_WHEELUP);
                if (Kind == Pressed) PushMouseButton(false, SDL_BUTTON_WHEELUP);
            });
            Program.On(19, [&] {
                MovePointer(BoxX, BoxY);
                if (Kind == Boxed) PushMouseButton(true);
                if (Kind == HiddenByF1) TapKey(SDLK_F1);
            });
            Program.On(20, [&] {
                if (Kind == Boxed) PushMouseButton(false);
            });
            std::map<int, std::vector<Uint32>> Shots;
            for (int Frame = 14; Frame <= 26; ++Frame)
                Program.On(Frame, [&, Frame] { Shots[Frame] = CaptureDisplay(); });
            Program.Run(26);
            return Shots;
        };
        auto Plain = Run(Shown);
        auto Clicked = Run(Pressed);
        for (int Frame = 14; Frame <= 26; ++Frame)
            EXPECT_EQ(Plain[Frame], Clicked[Frame]) << int{State} << ": frame " << Frame;
        auto ByBox = Run(Boxed);
        auto ByKey = Run(HiddenByF1);
        EXPECT_NE(Plain[20], ByBox[20]) << int{State} << ": the panel went";
        for (int Frame = 20; Frame <= 26; ++Frame)
            EXPECT_EQ(ByKey[Frame], ByBox[Frame]) << int{State} << ": frame " << Frame;
        EXPECT_NE(Plain[14], Plain[26]) << int{State} << ": the main window faded in";
    }
}

TEST(CommandKeys, PauseAndStepOnEachSimulationGiveTheFramesOfARunWithoutThem)
{
    for (const Uint8 State : Simulations) {
        // Paused from frame B + 41 to B + 50, with single steps in frames
        // B + 45 and B + 48: eight frames without a step. B: once the scene moves.
        const int B = State == StateTornado ? 450 : 0;
        const auto Run = [State, B](bool Keys) {
            FixRandom();
            THeadless Program;
            EnterWithMotion(Program, State);
            std::map<int, std::vector<Uint32>> Shots;
            if (Keys) {
                Program.On(B + 40, [] { TapKey(SDLK_F5); });
                Program.On(B + 44, [] { TapKey(SDLK_F6); });
                Program.On(B + 47, [] { TapKey(SDLK_F6); });
                Program.On(B + 50, [] { TapKey(SDLK_PAUSE); });
                for (const int Frame : {42, 43, 44, 45, 46, 68})
                    Program.On(B + Frame, [&, Frame] { Shots[Frame] = CaptureDisplay(); });
            } else {
                Program.On(B + 60, [&] { Shots[60] = CaptureDisplay(); });
            }
            Program.Run(B + (Keys ? 68 : 60));
            return Shots;
        };
        auto Plain = Run(false);
        auto Paused = Run(true);
        EXPECT_EQ(Paused[42], Paused[43]) << int{State} << ": nothing moves while paused";
        EXPECT_EQ(Paused[44], Paused[45]) << int{State} << ": the stepping frame shows the state before its step";
        EXPECT_NE(Paused[45], Paused[46]) << int{State} << ": the step shows in the next frame";
        EXPECT_EQ(Paused[68], Plain[60]) << int{State} << ": the same steps give the same frame";
    }
}

TEST(CommandKeys, ThePauseLabelShowsWhilePausedAndLeavingTheScreenEndsThePause)
{
    THeadless Program;
    ScreenState = StateFire;
    Program.On(2, [] { TapKey(SDLK_F5); });
    Program.On(3, [] { TapKey(SDLK_ESCAPE); }); // to the menu
    Program.On(5, [] { ScreenState = StateFire; });
    // Yellow at the top of the display, far above the fire.
    const auto Label = [] {
        const auto Yellow = PixelsOf({255, 255, 0});
        return std::count_if(Yellow.begin(), Yellow.end(), [](auto P) { return P.second < 40; });
    };
    long LabelPaused = 0, LabelAfter = 0;
    std::vector<Uint32> FireAgain, FireLater;
    Program.On(3, [&] { LabelPaused = Label(); });
    Program.On(7, [&] {
        LabelAfter = Label();
        FireAgain = CaptureDisplay();
    });
    Program.On(9, [&] { FireLater = CaptureDisplay(); });
    Program.Run(9);
    EXPECT_GT(LabelPaused, 50);
    EXPECT_EQ(LabelAfter, 0);
    EXPECT_NE(FireAgain, FireLater) << "the new visit's fire burns";
}

TEST(CommandKeys, F11SwitchesTheModeOnEachScreen)
{
    THeadless Program;
    std::vector<std::pair<Uint8, Uint32>> Seen;
    int Frame = 1;
    for (const Uint8 State : Screens) {
        Program.On(Frame, [State] { ScreenState = State; });
        for (int Tap = 0; Tap < 2; ++Tap) {
            Program.On(Frame + 2 + 2 * Tap, [] { TapKey(SDLK_F11); });
            Program.On(Frame + 3 + 2 * Tap, [&Seen] { Seen.push_back({ScreenState, VideoFlags}); });
        }
        Frame += 8;
    }
    Program.Run(Frame);
    ASSERT_EQ(Seen.size(), 8u);
    for (size_t I = 0; I < Seen.size(); ++I) {
        EXPECT_EQ(Seen[I].first, Screens[I / 2]);
        EXPECT_EQ(Seen[I].second, I % 2 == 0 ? SDL_FULLSCREEN : 0u) << int{Seen[I].first};
    }
}

TEST(CommandKeys, F12SavesTheFrameWithoutThePointerOnEachScreen)
{
    TTempFolder Home;
    std::filesystem::create_directories(Home.Path() / "config");
    std::filesystem::create_directories(Home.Path() / "Obrazy");
    {
        std::ofstream Dirs(Home.Path() / "config" / "user-dirs.dirs");
        Dirs << "XDG_PICTURES_DIR=\"$HOME/Obrazy\"\n";
    }
    const TEnvironmentVariable HomeVariable("HOME", Home.Path().c_str());
    const TEnvironmentVariable Config("XDG_CONFIG_HOME", (Home.Path() / "config").c_str());

    THeadless Program;
    Program.On(0, [] { MovePointer(790, 590); }); // over the menu's empty corner
    std::vector<Uint32> Shown;
    Program.On(39, [] { TapKey(SDLK_F12); });
    Program.On(40, [&] { Shown = CaptureDisplay(); });
    std::vector<Uint32> Next;
    Program.On(41, [&] { Next = CaptureDisplay(); });
    int Frame = 40;
    for (const Uint8 State : Simulations) {
        Program.On(Frame + 1, [State] { ScreenState = State; });
        Program.On(Frame + 3, [] { TapKey(SDLK_PRINT); });
        Frame += 5;
    }
    Program.Run(Frame);

    // The log names the pictures in the order they were taken.
    std::vector<std::filesystem::path> Logged, Saved;
    const std::string Lead = "MSG : Screenshot saved: ", Tail = " IN : Screenshot\r";
    for (const std::string& Line : ReadLines(Program.LogPath())) {
        const size_t At = Line.find(Lead);
        if (At != std::string::npos && Line.ends_with(Tail))
            Logged.push_back(Line.substr(At + Lead.size(), Line.size() - At - Lead.size() - Tail.size()));
    }
    for (const auto& Entry : std::filesystem::directory_iterator(Home.Path() / "Obrazy")) Saved.push_back(Entry.path());
    ASSERT_EQ(Logged.size(), 4u) << "one picture per screen\n" << ReadFile(Program.LogPath());
    EXPECT_EQ(std::set(Logged.begin(), Logged.end()), std::set(Saved.begin(), Saved.end()));
    for (const auto& Path : Logged) {
        EXPECT_EQ(Path.parent_path(), Home.Path() / "Obrazy");
        EXPECT_EQ(ReadPng(Path).Width, DisplayWidth) << Path;
    }

    // The menu's picture is the frame shown, but black where the pointer
    // and its shadows are, in the corner from (790, 590).
    const TPngPicture Menu = ReadPng(Logged.front());
    ASSERT_EQ(Menu.Rgb.size(), size_t{3} * DisplayWidth * DisplayHeight);
    size_t Different = 0, UnderPointer = 0;
    for (int Y = 0; Y < DisplayHeight; ++Y)
        for (int X = 0; X < DisplayWidth; ++X) {
            const uint8_t* P = &Menu.Rgb[3 * (static_cast<size_t>(Y) * DisplayWidth + X)];
            TRgb Expected{};
            SDL_GetRGB(Shown[static_cast<size_t>(Y) * DisplayWidth + X], Screen->format, &Expected.R, &Expected.G,
                       &Expected.B);
            if (X >= 790 && Y >= 590) {
                UnderPointer += Expected != TRgb{0, 0, 0};
                Expected = {0, 0, 0};
            }
            Different += TRgb{P[0], P[1], P[2]} != Expected;
        }
    EXPECT_GT(UnderPointer, 10u) << "the pointer was shown";
    EXPECT_EQ(Different, 0u);

    // From the next frame the top strip names the file: the notice's
    // yellow starts where "Zrzut ekranu: NAME", centred, starts.
    const Uint32 Yellow = SDL_MapRGB(Screen->format, 255, 255, 0);
    const auto LeftmostYellow = [&](const std::vector<Uint32>& Pixels) {
        for (int X = 0; X < DisplayWidth; ++X)
            for (int Y = 0; Y < 20; ++Y)
                if (Pixels[static_cast<size_t>(Y) * DisplayWidth + X] == Yellow) return X;
        return -1;
    };
    const int NoticeLength = static_cast<int>(std::string("Zrzut ekranu: ").size() + Logged.front().filename().string().size());
    EXPECT_EQ(LeftmostYellow(Shown), -1) << "the picture's own frame has no notice";
    const int Left = LeftmostYellow(Next);
    const int Pen = (DisplayWidth - 8 * NoticeLength) / 2; // a glyph starts one pixel left of its pen
    EXPECT_GE(Left, Pen - 1);
    EXPECT_LT(Left, Pen + 7);
}

TEST(CommandKeys, TheTempoChangesHowManyStepsRunNeverTheArithmetic)
{
    // The particle screen's frame as the screen loop shows it, its world in
    // reach: a particle thrown from (400, 150) with a drag to (430, 50),
    // released in frame 10, after the tempo keys of frames 1 to 3.
    const auto Run = [](const std::vector<SDLKey>& TempoKeys, int Frames) {
        THeadless Program;
        TParticleScreen S = CreateParticleScreen();
        for (size_t I = 0; I < TempoKeys.size(); ++I)
            Program.On(static_cast<int>(I), [K = TempoKeys[I]] { TapKey(K); });
        ClickAt(Program, 3, 215, 233); // "Cząsteczka"
        ClickAt(Program, 5, 100, 500); // the window loses the focus
        DragAt(Program, 8, 400, 150, 430, 50);
        Program.On(11, [] { MovePointer(700, 100); });
        std::map<long, TVector> AfterSteps; // the particle's position after so many of its steps
        long Steps = 0;
        Program.Run(Frames, [&] {
            BeginFrame();
            PollEvents(StateMenu, [&](const SDL_Event& E) { ReactToParticleEvent(S, E); });
            const int FrameSteps = ApplyCommandKeys(true, 1);
            ClearScreen();
            const int Taken = RunParticleFrame(S, FrameSteps);
            SDL_Flip(Screen);
            if (!S.World.Particles.empty() && Taken > 0) AfterSteps[Steps += Taken] = S.World.Particles[0].Pos;
            return true;
        });
        return AfterSteps;
    };
    const auto Normal = Run({}, 130);
    const auto Fast = Run({SDLK_PLUS, SDLK_EQUALS, SDLK_KP_PLUS}, 24);
    const auto Slow = Run({SDLK_MINUS, SDLK_KP_MINUS}, 66);
    ASSERT_GE(Fast.size(), 10u);
    ASSERT_GE(Slow.size(), 10u);
    long Last = 0;
    for (const auto& [Steps, Pos] : Fast) {
        EXPECT_EQ(Steps, Last + 8) << "8x: eight steps in every frame";
        Last = Steps;
    }
    EXPECT_NEAR(static_cast<double>(Slow.rbegin()->first), 56.0 / 4, 1) << "1/4x: a step in every fourth frame";
    for (const auto* Tempo : {&Fast, &Slow})
        for (const auto& [Steps, Pos] : *Tempo) {
            ASSERT_TRUE(Normal.count(Steps)) << Steps;
            EXPECT_EQ(Pos.X, Normal.at(Steps).X) << Steps;
            EXPECT_EQ(Pos.Y, Normal.at(Steps).Y) << Steps;
        }
    EXPECT_NE(Normal.at(Last).Y, Normal.at(8).Y) << "the particle moves";
}

TEST(CommandKeys, TheTempoLabelAndThePauseLabelShowOneBelowTheOther)
{
    THeadless Program;
    ScreenState = StateFire;
    Program.On(1, [] { TapKey(SDLK_KP_PLUS); });
    Program.On(2, [] { TapKey(SDLK_F5); });
    Program.On(4, [] { TapKey(SDLK_KP_MINUS); });
    // Yellow rows at the top of the display, far above the fire.
    const auto YellowRows = [] {
        std::set<int> Rows;
        for (const auto& P : PixelsOf({255, 255, 0}))
            if (P.second < 60) Rows.insert(P.second);
        return Rows;
    };
    std::set<int> Tempo, Both, Paused;
    Program.On(2, [&] { Tempo = YellowRows(); });
    Program.On(3, [&] { Both = YellowRows(); });
    Program.On(5, [&] { Paused = YellowRows(); });
    Program.Run(5);
    ASSERT_FALSE(Tempo.empty()) << "2x shows its label";
    EXPECT_LT(*Tempo.rbegin(), 24) << "alone, in the first line";
    EXPECT_TRUE(std::any_of(Both.begin(), Both.end(), [](int Y) { return Y < 20; }));
    EXPECT_TRUE(std::any_of(Both.begin(), Both.end(), [](int Y) { return Y > 24; }))
        << "the second line below the pause";
    EXPECT_FALSE(Paused.empty());
    EXPECT_LT(*Paused.rbegin(), 24) << "back at 1x only the pause shows";
}
