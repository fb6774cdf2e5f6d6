// The main menu run through the real screen loop under the dummy display:
// its buttons, Esc, the full-screen round trip, and the test window's
// progress bar following the spin edit.
#include <gtest/gtest.h>

#include "screen/screen.h"
#include "app/video.h"
#include "support/headless.h"

namespace {

// Display positions of the menu's controls: "Menu" spans (100, 100)-(320,
// 295) with its content from (106, 123); "Test" spans (350, 150)-(650, 450)
// with its content from (356, 173).
constexpr int TornadoX = 150, TornadoY = 165;       // "Symulacja tornada", (111, 154)-(257, 180)
constexpr int FullScreenX = 150, FullScreenY = 245; // "Fullscreen [Alt+Enter]", (111, 232)-(297, 258)
constexpr int GapX = 150, GapY = 220;               // the free row between the buttons
constexpr int UpArrowX = 510, UpArrowY = 208;       // on the spin edit's up arrow, (498, 204)-(513, 215)

// The progress bar's frame starts at (361, 230); block k's second column
// is 364 + 8k.
int BarBlocks()
{
    const int Row = 238;
    const Uint32 Filled = DisplayPixel(364, Row);
    int Count = 0;
    while (Count < 20 && DisplayPixel(364 + 8 * Count, Row) == Filled) ++Count;
    return Count;
}

} // namespace

TEST(Menu, TornadoButtonStoresItsStateAtTheEndOfTheReleaseFrame)
{
    THeadless Program;
    int StateAfterPress = -1;
    int StateAfterRelease = -1;
    ClickAt(Program, 1, TornadoX, TornadoY);
    Program.On(1, [&] { StateAfterPress = ScreenState; });
    Program.On(2, [&] { StateAfterRelease = ScreenState; });
    Program.Run(3);
    EXPECT_EQ(StateAfterPress, StateMenu);
    EXPECT_EQ(StateAfterRelease, StateTornado);
}

TEST(Menu, EscEndsTheProgram)
{
    THeadless Program;
    Program.On(0, [] { PushKey(SDLK_ESCAPE, true); });
    EXPECT_EQ(Program.Run(100), 1);
    EXPECT_EQ(ScreenState, StateQuit);
}

TEST(Menu, FullScreenTwiceLeavesBothWindowsWhereTheyWere)
{
    // The same frames twice: once clicking the full-screen button twice,
    // once clicking the menu's free row instead, which focuses the menu
    // window just the same. The pointer then rests in the same place.
    const auto Frames = [](int X, int Y, bool ExpectToggle) {
        THeadless Program;
        ClickAt(Program, 1, X, Y);
        Program.On(2, [&] {
            EXPECT_EQ(VideoFlags, ExpectToggle ? static_cast<Uint32>(SDL_FULLSCREEN) : 0u);
            MovePointer(X, Y);
            PushMouseButton(true);
        });
        Program.On(3, [] { PushMouseButton(false); });
        Program.On(4, [] { MovePointer(700, 550); });
        std::vector<Uint32> Display;
        Program.On(8, [&] {
            EXPECT_EQ(VideoFlags, 0u);
            Display = CaptureDisplay();
        });
        Program.Run(8);
        return Display;
    };
    const std::vector<Uint32> Toggled = Frames(FullScreenX, FullScreenY, true);
    const std::vector<Uint32> Still = Frames(GapX, GapY, false);
    ASSERT_EQ(Toggled.size(), 800u * 600u);
    EXPECT_EQ(Toggled, Still);
    // Both windows are there: their bodies are not the black background.
    EXPECT_NE(Still[200 * 800 + 200], Still[50 * 800 + 50]);
    EXPECT_NE(Still[300 * 800 + 500], Still[50 * 800 + 50]);
}

TEST(Menu, ProgressBarShowsTheSpinValueOneFrameLater)
{
    THeadless Program;
    std::vector<int> Shown;
    Program.On(0, [] {
        MovePointer(UpArrowX, UpArrowY);
        PushMouseButton(true); // 51 in frame 1
    });
    Program.On(1, [&] {
        Shown.push_back(BarBlocks());
        MovePointer(UpArrowX + 100, UpArrowY); // 100 in frame 2
    });
    Program.On(2, [&] { Shown.push_back(BarBlocks()); });
    Program.On(3, [&] { Shown.push_back(BarBlocks()); });
    Program.Run(3);
    EXPECT_EQ(Shown, (std::vector<int>{8, 8, 16}));
}
