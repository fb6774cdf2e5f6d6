// Quick clicks and fast typing through SDL's real queue: whatever arrives
// within one frame still reaches the widgets, one frame after another.
#include <gtest/gtest.h>

#include "app/input.h"
#include "app/menu.h"
#include "app/video.h"
#include "draw/codepage.h"
#include "screen/screen.h"
#include "support/headless.h"
#include "ui/edit.h"

namespace {

// The menu's "Symulacja ognia" button and the test window's edit, whose
// text area spans x 364..489, y 181..200 (content origin (356, 173)).
constexpr int FireX = 190, FireY = 192;
constexpr int EditX = 420, EditY = 185;

// A field driven frame by frame as a screen drives it: poll, then update.
struct TTypedField {
    TEdit Field = CreateEdit(5, 5, 16, "Hello!", 6, 6, 6, false);
    TTypedField() { Field.Focused = true; }
    void Frames(int Count)
    {
        for (int Frame = 0; Frame < Count; ++Frame) {
            PollEvents(StateMenu);
            UpdateEdit(Field, true, 100, 200);
        }
    }
};

// The menu's windows driven frame by frame as the screen loop drives them,
// so that a test can read their widgets after each frame.
struct TMenuFrames {
    THeadless Program;
    TMenuScreen Menu = CreateMenuScreen();
    TWindow& Test() { return *FindWindow(Menu.Windows, "Test"); }
    int SpinValue() { return Test().SpinEdits.Items[0].Value; }
    bool Frame()
    {
        PollEvents(StateQuit);
        ClearScreen();
        RunMenuFrame(Menu);
        return true;
    }
};

// A pointer that jumps and presses within one frame, as a finger's tap, a
// pen or a remote desktop sends it; nothing moves in between.
void JumpAndPress(int X, int Y)
{
    MovePointer(X, Y);
    PushMouseButton(true);
}

} // namespace

TEST(QuickInput, PressAndReleaseInOneFrameClickAMenuButtonOnTheNextFrame)
{
    THeadless Program;
    Program.On(0, [] {
        MovePointer(FireX, FireY);
        PushMouseButton(true);
        PushMouseButton(false);
    });
    int AfterFirst = -1, AfterSecond = -1;
    Program.On(1, [&] { AfterFirst = ScreenState; });
    Program.On(2, [&] { AfterSecond = ScreenState; });
    Program.Run(3);
    EXPECT_EQ(AfterFirst, StateMenu) << "pressed only";
    EXPECT_EQ(AfterSecond, StateFire) << "released a frame later: a click";
}

TEST(QuickInput, KeyTapsInOneFrameAllLandInAnEditInTheirOrder)
{
    THeadless Program;
    PollEvents(StateMenu); // whatever start-up queued
    TTypedField Typed;
    for (const SDLKey Key : {SDLK_a, SDLK_b, SDLK_c}) TapKey(Key);
    Typed.Frames(6);
    EXPECT_EQ(Typed.Field.Text, "Hello!abc");
    EXPECT_EQ(Typed.Field.Caret, 9);

    TapKey(SDLK_BACKSPACE);
    PushKey(SDLK_x, true, KMOD_LSHIFT); // and held
    Typed.Frames(5);
    EXPECT_EQ(Typed.Field.Text, "Hello!abX") << "the tap deleted once, the held key typed once";
}

TEST(QuickInput, PolishLettersTypedInOneFrameAllLandInAnEdit)
{
    THeadless Program;
    PollEvents(StateMenu);
    TTypedField Typed;
    // As a Polish layout's AltGr types them, and as keys that type the
    // letter alone (an input method, xdotool) do.
    constexpr SDLMod AltGr = KMOD_RALT; // as sdl12-compat reports X's AltGr
    for (const auto& [Key, Unicode] : {std::pair{SDLK_a, 0x105}, {SDLK_e, 0x119}, {SDLK_l, 0x142}}) {
        PushKey(Key, true, AltGr, static_cast<Uint16>(Unicode));
        PushKey(Key, false, AltGr);
    }
    for (const Uint16 Unicode : {0xF3, 0x15B, 0x17B}) {
        PushKey(SDLK_UNKNOWN, true, KMOD_NONE, Unicode);
        PushKey(SDLK_UNKNOWN, false);
    }
    Typed.Frames(14);
    EXPECT_EQ(Typed.Field.Text, Cp1250("Hello!ąęłóśŻ"));
    EXPECT_EQ(Typed.Field.Caret, 12);
}

TEST(QuickInput, ARolledOverLetterIsTypedOnce)
{
    // A fast typist's roll-over: each row is one frame's key event and the
    // field's text after that frame. Keys without a name, pressed while a
    // letter is still held, type nothing.
    THeadless Program;
    PollEvents(StateMenu);
    TTypedField Typed;
    const struct {
        SDLKey Key;
        bool Down;
        SDLMod Modifiers;
        const char* Text;
    } Rows[] = {
        {SDLK_a, true, KMOD_NONE, "Hello!a"},         {SDLK_LSHIFT, true, KMOD_LSHIFT, "Hello!a"},
        {SDLK_a, false, KMOD_LSHIFT, "Hello!a"},      {SDLK_b, true, KMOD_LSHIFT, "Hello!aB"},
        {SDLK_LSHIFT, false, KMOD_NONE, "Hello!aB"},  {SDLK_RETURN, true, KMOD_NONE, "Hello!aB"},
        {SDLK_TAB, true, KMOD_NONE, "Hello!aB"},      {SDLK_LCTRL, true, KMOD_LCTRL, "Hello!aB"},
        {SDLK_UP, true, KMOD_NONE, "Hello!aB"},       {SDLK_DOWN, true, KMOD_NONE, "Hello!aB"},
        {SDLK_ESCAPE, true, KMOD_NONE, "Hello!aB"},   {SDLK_b, false, KMOD_NONE, "Hello!aB"},
        {SDLK_c, true, KMOD_NONE, "Hello!aBc"},
    };
    for (const auto& Row : Rows) {
        PushKey(Row.Key, Row.Down, Row.Modifiers);
        Typed.Frames(1);
        EXPECT_EQ(Typed.Field.Text, Row.Text) << Row.Key << (Row.Down ? " down" : " up");
    }

    // The same events all within one frame type the same.
    TTypedField Burst;
    for (const auto& Row : Rows) PushKey(Row.Key, Row.Down, Row.Modifiers);
    Burst.Frames(16);
    EXPECT_EQ(Burst.Field.Text, "Hello!aBc");
}

TEST(QuickInput, FastTypingInTheMenuShowsWhatSlowTypingShows)
{
    // The same keys into the test window's edit, once all within one frame
    // and once a single event per frame, which the poll never held back.
    const auto Typed = [](bool AllAtOnce) {
        THeadless Program;
        Program.On(0, [] {
            MovePointer(EditX, EditY);
            PushMouseButton(true);
        });
        Program.On(1, [] {
            PushMouseButton(false);
            MovePointer(700, 550);
        });
        const std::vector<std::pair<SDLKey, bool>> Keys = {
            {SDLK_w, true}, {SDLK_w, false}, {SDLK_o, true}, {SDLK_o, false}, {SDLK_r, true},
            {SDLK_r, false}, {SDLK_d, true}, {SDLK_d, false}, {SDLK_BACKSPACE, true}, {SDLK_BACKSPACE, false}};
        if (AllAtOnce) {
            Program.On(2, [Keys] {
                for (const auto& [Key, Down] : Keys) PushKey(Key, Down);
            });
        } else {
            for (size_t I = 0; I < Keys.size(); ++I)
                Program.On(2 + static_cast<int>(I), [Key = Keys[I]] { PushKey(Key.first, Key.second); });
        }
        std::vector<Uint32> Before, After;
        Program.On(2, [&] { Before = CaptureDisplay(); });
        Program.On(20, [&] { After = CaptureDisplay(); });
        Program.Run(20);
        return std::make_pair(Before, After);
    };
    const auto Fast = Typed(true);
    const auto Slow = Typed(false);
    ASSERT_EQ(Fast.second.size(), 800u * 600u);
    EXPECT_EQ(Fast.first, Slow.first);
    EXPECT_NE(Slow.first, Slow.second) << "the slow keys changed the field";
    EXPECT_EQ(Fast.second, Slow.second);
}

TEST(QuickInput, TapsOnASpinArrowAndThenElsewhereStepTheValueOnce)
{
    // The test window's up arrow reacts over (498, 204)-(513, 215).
    //   frame  input before the poll              value
    //   1      jump onto the up arrow, press      51
    //   2      release over it                    51
    //   3      jump into the field, press         51  (it ran to 100)
    //   4      release                            51
    //   5      jump onto the up arrow, press      52
    //   6      release, jump far off, press       52  (the press waits a frame)
    //   7      -                                  52
    TMenuFrames Menu;
    Menu.Program.On(0, [] { JumpAndPress(510, 208); });
    Menu.Program.On(1, [] { PushMouseButton(false); });
    Menu.Program.On(2, [] { JumpAndPress(EditX, 212); });
    Menu.Program.On(3, [] { PushMouseButton(false); });
    Menu.Program.On(4, [] { JumpAndPress(510, 208); });
    Menu.Program.On(5, [] {
        PushMouseButton(false);
        JumpAndPress(100, 500);
    });
    std::vector<int> Values;
    for (int Frame = 1; Frame <= 7; ++Frame) Menu.Program.On(Frame, [&] { Values.push_back(Menu.SpinValue()); });
    Menu.Program.Run(7, [&] { return Menu.Frame(); });
    EXPECT_EQ(Values, (std::vector<int>{51, 51, 51, 51, 52, 52, 52}));
}

TEST(QuickInput, APressAndAMoveInOneFrameDragAWindowByTheWholeMove)
{
    // "Test okna"'s title bar spans (350, 150)-(650, 173).
    //   frame  input before the poll                        window's left edge
    //   1      jump onto the title, press, move 100 right   350 (pressed where it went down)
    //   2      -                                            450
    //   3      release                                      450
    TMenuFrames Menu;
    Menu.Program.On(0, [] {
        JumpAndPress(400, 160);
        MovePointer(500, 170);
    });
    Menu.Program.On(2, [] { PushMouseButton(false); });
    std::vector<double> Left, Top;
    for (int Frame = 1; Frame <= 3; ++Frame)
        Menu.Program.On(Frame, [&] {
            Left.push_back(Menu.Test().Bounds.A.X);
            Top.push_back(Menu.Test().Bounds.A.Y);
        });
    Menu.Program.Run(3, [&] { return Menu.Frame(); });
    EXPECT_EQ(Left, (std::vector<double>{350, 450, 450}));
    EXPECT_EQ(Top, (std::vector<double>{150, 160, 160}));
}

TEST(QuickInput, AFullFieldRefusesAStrokeAndChordsTypeNothing)
{
    THeadless Program;
    PollEvents(StateMenu);
    TTypedField Typed;
    for (const SDLKey Key : {SDLK_a, SDLK_b, SDLK_c, SDLK_d, SDLK_e, SDLK_f, SDLK_g, SDLK_h, SDLK_i, SDLK_j}) TapKey(Key);
    Typed.Frames(22);
    ASSERT_EQ(Typed.Field.Text, "Hello!abcdefghij"); // 16 characters: full

    // Left three times, then Z: refused, not "Hello!abcdefgZhi".
    for (int I = 0; I < 3; ++I) TapKey(SDLK_LEFT);
    PushKey(SDLK_z, true, KMOD_LSHIFT);
    PushKey(SDLK_z, false, KMOD_LSHIFT);
    Typed.Frames(10);
    EXPECT_EQ(Typed.Field.Text, "Hello!abcdefghij");
    EXPECT_EQ(Typed.Field.Caret, 13) << "the caret stays where the Left keys left it";

    // With room again, Ctrl and the left Alt type nothing; AltGr (the right
    // Alt, with the Ctrl a browser on Windows adds) still types its letter.
    TapKey(SDLK_BACKSPACE);
    TapKey(SDLK_BACKSPACE);
    Typed.Frames(6);
    ASSERT_EQ(Typed.Field.Text, "Hello!abcdehij");
    const std::pair<SDLMod, Uint16> Chords[] = {
        {KMOD_LCTRL, 1}, {KMOD_RCTRL, 1}, {KMOD_LALT, 'a'}, {static_cast<SDLMod>(KMOD_LCTRL | KMOD_LSHIFT), 1}};
    for (const auto& [Modifiers, Unicode] : Chords) {
        PushKey(SDLK_a, true, Modifiers, Unicode);
        PushKey(SDLK_a, false, Modifiers);
    }
    for (const SDLKey Key : {SDLK_s, SDLK_o, SDLK_SPACE, SDLK_5}) {
        PushKey(Key, true, KMOD_LCTRL);
        PushKey(Key, false, KMOD_LCTRL);
    }
    PushKey(SDLK_LEFT, true, KMOD_LCTRL); // moving is no typing
    PushKey(SDLK_LEFT, false, KMOD_LCTRL);
    PushKey(SDLK_a, true, static_cast<SDLMod>(KMOD_LCTRL | KMOD_RALT), 0x105);
    PushKey(SDLK_a, false, static_cast<SDLMod>(KMOD_LCTRL | KMOD_RALT));
    Typed.Frames(24);
    EXPECT_EQ(Typed.Field.Text, Cp1250("Hello!abcdąehij"));
    EXPECT_EQ(Typed.Field.Caret, 11);
}
