// PollEvents driven through SDL's real event queue under the dummy driver.
#include <gtest/gtest.h>

#include "app/input.h"
#include "draw/codepage.h"
#include "input/key_names.h"
#include "screen/screen.h"
#include "app/video.h"
#include "sim/geometry/geometry.h"
#include "support/headless.h"

namespace {

class InputTest : public ::testing::Test {
protected:
    THeadless Program;
    void SetUp() override { PollEvents(StateMenu); } // drains anything start-up queued

    static void Tap(SDLKey Key, SDLMod Modifiers = KMOD_NONE) { PushKey(Key, true, Modifiers); }
    static void Lift(SDLKey Key) { PushKey(Key, false); }
};

} // namespace

TEST_F(InputTest, AQuickClickIsPressedInOneFrameAndReleasedInTheNext)
{
    for (const Uint8 Button : {SDL_BUTTON_LEFT, SDL_BUTTON_MIDDLE, SDL_BUTTON_RIGHT}) {
        PushMouseButton(true, Button);
        PushMouseButton(false, Button);
        PollEvents(StateMenu);
        EXPECT_TRUE(MousePressed && MouseHeld && !MouseReleased) << int{Button};
        PollEvents(StateMenu);
        EXPECT_TRUE(!MousePressed && !MouseHeld && MouseReleased) << int{Button};
        PollEvents(StateMenu); // a poll without events clears the edges only
        EXPECT_TRUE(!MousePressed && !MouseHeld && !MouseReleased) << int{Button};
    }

    PushMouseButton(true, SDL_BUTTON_LEFT); // any of the three undoes any other's press
    PushMouseButton(false, SDL_BUTTON_RIGHT);
    PollEvents(StateMenu);
    EXPECT_TRUE(MouseHeld && !MouseReleased);
    PollEvents(StateMenu);
    EXPECT_TRUE(!MouseHeld && MouseReleased);
}

TEST_F(InputTest, AReleaseFromAnEarlierFrameAndTheNextPressShareAPoll)
{
    PushMouseButton(true);
    PollEvents(StateMenu);
    PushMouseButton(false);
    PushMouseButton(true);
    PollEvents(StateMenu);
    EXPECT_TRUE(MouseReleased && MousePressed && MouseHeld); // nothing was undone
}

TEST_F(InputTest, TheWheelIsNeverHeldBack)
{
    PushMouseButton(true, SDL_BUTTON_WHEELUP);
    PushMouseButton(false, SDL_BUTTON_WHEELUP);
    PollEvents(StateMenu);
    EXPECT_TRUE(MousePressed && MouseReleased && !MouseHeld); // down and up at once: a button sees no click

    // Nor does a wheel turn while the left button goes down wait.
    PushMouseButton(true);
    PushMouseButton(true, SDL_BUTTON_WHEELDOWN);
    PushMouseButton(false, SDL_BUTTON_WHEELDOWN);
    PollEvents(StateMenu);
    EXPECT_TRUE(MousePressed && MouseReleased);
    PollEvents(StateMenu);
    EXPECT_FALSE(MousePressed || MouseReleased);
}

TEST_F(InputTest, PointerIsReadRelativeToTheOriginAtEveryEvent)
{
    MovePointer(0, 0);
    PollEvents(StateMenu);
    EXPECT_EQ(MouseX, -400);
    EXPECT_EQ(MouseY, -300);
    MovePointer(799, 599);
    PushMouseButton(true);
    PollEvents(StateMenu);
    EXPECT_EQ(MouseX, 399);
    EXPECT_EQ(MouseY, 299);
    EXPECT_EQ(PressVector.X, 399);
    EXPECT_EQ(PressVector.Y, 299);
    EXPECT_DOUBLE_EQ(PressVector.Length, Distance(0, 0, 399, 299)); // set with its cache
}

TEST_F(InputTest, APressCountsWhereItWentDownAndTheMoveAfterItWaitsAPoll)
{
    // A jump, a press, a key and a further move within one frame: SDL's
    // pointer is already at the end of the move when the poll runs.
    MovePointer(100, 100);
    PushMouseButton(true);
    PushKey(SDLK_UP, true);
    MovePointer(300, 200);
    PollEvents(StateMenu);
    EXPECT_TRUE(MousePressed && MouseHeld);
    EXPECT_EQ(std::make_pair(MouseX, MouseY), std::make_pair(-300, -200));
    EXPECT_EQ(std::make_pair(PressVector.X, PressVector.Y), std::make_pair(-300.0, -200.0));
    PollEvents(StateMenu);
    EXPECT_TRUE(!MousePressed && MouseHeld);
    EXPECT_EQ(std::make_pair(MouseX, MouseY), std::make_pair(-100, -100));
    PushKey(SDLK_UP, false);
    PushMouseButton(false);
    PollEvents(StateMenu);
}

TEST_F(InputTest, KeyNamesFollowTheLeftShiftOnly)
{
    const struct {
        SDLKey Key;
        SDLMod Modifiers;
        const char* Name;
    } Cases[] = {
        {SDLK_a, KMOD_NONE, "a"},      {SDLK_z, KMOD_LSHIFT, "Z"},   {SDLK_q, KMOD_RSHIFT, "q"},
        {SDLK_g, KMOD_CAPS, "g"},      {SDLK_2, KMOD_NONE, "2"},     {SDLK_2, KMOD_LSHIFT, "@"},
        {SDLK_0, KMOD_LSHIFT, ")"},    {SDLK_KP7, KMOD_LSHIFT, "7"}, {SDLK_BACKSPACE, KMOD_LSHIFT, "Bksp"},
        {SDLK_DELETE, KMOD_NONE, "Del"}, {SDLK_LEFT, KMOD_NONE, "Left"}, {SDLK_RIGHT, KMOD_NONE, "Right"},
    };
    for (const auto& Case : Cases) {
        Tap(Case.Key, Case.Modifiers);
        PollEvents(StateMenu);
        EXPECT_TRUE(KeyDown) << Case.Name;
        EXPECT_EQ(KeyName, Case.Name);
        Lift(Case.Key);
        PollEvents(StateMenu);
        EXPECT_FALSE(KeyDown);
    }
    EXPECT_EQ(KeyNameFor(SDLK_UP, KMOD_NONE), nullptr);
    EXPECT_EQ(KeyNameFor(SDLK_TAB, KMOD_NONE), nullptr);
    EXPECT_EQ(KeyNameFor(SDLK_KP_PLUS, KMOD_NONE), nullptr);
}

TEST_F(InputTest, AKeyTypingAPolishLetterIsNamedByItAndAsciiTypingChangesNoName)
{
    // Unicode as SDL_EnableUNICODE gives it: AltGr on a Polish layout, a
    // key an input method (or xdotool) maps to the letter, then what ASCII
    // typing and other characters give. "" for no name.
    constexpr SDLMod AltGr = KMOD_RALT; // as sdl12-compat reports X's AltGr
    const struct {
        SDLKey Key;
        SDLMod Modifiers;
        Uint16 Unicode;
        const char* Name; // UTF-8
    } Cases[] = {
        {SDLK_a, AltGr, 0x105, "ą"},
        {SDLK_a, static_cast<SDLMod>(AltGr | KMOD_LSHIFT), 0x104, "Ą"},
        {SDLK_z, AltGr, 0x17C, "ż"},
        {SDLK_x, AltGr, 0x17A, "ź"},
        {SDLK_UNKNOWN, KMOD_NONE, 0xF3, "ó"},
        {SDLK_WORLD_12, KMOD_RSHIFT, 0x141, "Ł"},
        {SDLK_a, KMOD_RSHIFT, 'A', "a"},
        {SDLK_g, KMOD_CAPS, 'G', "g"},
        {SDLK_1, KMOD_LSHIFT, '!', "!"},
        {SDLK_COMMA, KMOD_NONE, ',', ""},
        {SDLK_UNKNOWN, KMOD_NONE, '#', ""},
        {SDLK_WORLD_1, KMOD_NONE, 0xB6, ""},   // the pilcrow: drawn, but no letter
        {SDLK_WORLD_2, KMOD_NONE, 0xE4, ""},   // ä: in the code page, not in the font
        {SDLK_e, AltGr, 0x20AC, "e"},          // the euro sign: no letter either
    };
    for (const auto& Case : Cases) {
        PushKey(Case.Key, true, Case.Modifiers, Case.Unicode);
        PollEvents(StateMenu);
        const std::string Name = Cp1250(Case.Name);
        EXPECT_EQ(KeyDown, !Name.empty()) << Case.Name;
        EXPECT_EQ(KeyName, Name.empty() ? " " : Name) << Case.Name;
        PushKey(Case.Key, false);
        PollEvents(StateMenu);
    }
}

TEST_F(InputTest, EveryStartOfTheDisplayTurnsOnTheTypedCharacters)
{
    EXPECT_EQ(SDL_EnableUNICODE(-1), 1);
    ToggleFullScreen();
    EXPECT_EQ(SDL_EnableUNICODE(-1), 1);
}

TEST_F(InputTest, AKeyTapInOnePollIsReportedAndReleasedInTheNext)
{
    Tap(SDLK_x);
    Lift(SDLK_x);
    PollEvents(StateMenu);
    EXPECT_TRUE(KeyDown);
    EXPECT_EQ(KeyName, "x");
    PollEvents(StateMenu);
    EXPECT_FALSE(KeyDown);
    EXPECT_EQ(KeyName, " ");

    Tap(SDLK_SPACE); // the space bar alike
    Lift(SDLK_SPACE);
    PollEvents(StateMenu);
    EXPECT_TRUE(KeyDown);
    EXPECT_EQ(KeyName, " ");
    PollEvents(StateMenu);
    EXPECT_FALSE(KeyDown);
}

TEST_F(InputTest, TwoKeysPressedInOnePollAreReportedInTwoFramesInTheirOrder)
{
    Tap(SDLK_a);
    Tap(SDLK_b, KMOD_LSHIFT);
    PollEvents(StateMenu);
    EXPECT_TRUE(KeyDown);
    EXPECT_EQ(KeyName, "a");
    PollEvents(StateMenu);
    EXPECT_TRUE(KeyDown);
    EXPECT_EQ(KeyName, "B");
    PollEvents(StateMenu);
    EXPECT_FALSE(KeyDown);
}

TEST_F(InputTest, KeysWithoutANameAreNotHeldBack)
{
    // Esc and Alt+Return act at once, and the poll goes on behind Esc.
    // (Reopening the display starts SDL afresh with an empty queue.)
    ScreenState = StateTornado;
    Tap(SDLK_ESCAPE);
    Lift(SDLK_ESCAPE);
    Tap(SDLK_q);
    PollEvents(StateMenu);
    EXPECT_EQ(ScreenState, StateMenu);
    EXPECT_EQ(KeyName, "q");
    Lift(SDLK_q);
    Tap(SDLK_RETURN, KMOD_LALT);
    PollEvents(StateMenu);
    EXPECT_EQ(VideoFlags, static_cast<Uint32>(SDL_FULLSCREEN));

    // Shift going down first does not hold back the letter it shifts.
    Lift(SDLK_q);
    PollEvents(StateMenu);
    Tap(SDLK_LSHIFT, KMOD_LSHIFT);
    Tap(SDLK_h, KMOD_LSHIFT);
    PollEvents(StateMenu);
    EXPECT_TRUE(KeyDown);
    EXPECT_EQ(KeyName, "H");
}

TEST_F(InputTest, AHeldBackEventWaitsOneFrameAndKeepsItsPlaceInTheQueue)
{
    // Three clicks and three key taps in one burst, mixed: every poll takes
    // at least the event that stopped the one before, so the burst is used
    // up in one frame per held-back event, and every event is seen once, in
    // order.
    std::vector<std::string> Seen;
    const auto Record = [&](const SDL_Event& E) {
        switch (E.type) {
        case SDL_MOUSEBUTTONDOWN: Seen.push_back("press"); break;
        case SDL_MOUSEBUTTONUP: Seen.push_back("release"); break;
        case SDL_KEYDOWN: Seen.push_back(KeyNameFor(E.key.keysym.sym, E.key.keysym.mod)); break;
        case SDL_KEYUP: Seen.push_back("up"); break;
        default: break;
        }
    };
    for (const SDLKey Key : {SDLK_a, SDLK_b, SDLK_c}) {
        PushMouseButton(true);
        PushMouseButton(false);
        Tap(Key);
        Lift(Key);
    }
    std::vector<std::string> Reported; // what each frame's globals tell
    for (int Frame = 0; Frame < 8; ++Frame) {
        PollEvents(StateMenu, Record);
        Reported.push_back(std::string(MousePressed ? "P" : "") + (MouseReleased ? "R" : "") +
                           (KeyDown ? KeyName : ""));
    }

    const std::vector<std::string> Order = {"press", "release", "a", "up", "press", "release", "b", "up",
                                            "press", "release", "c", "up"};
    EXPECT_EQ(Seen, Order);
    // press | release a | up press | release b | up press | release c | up | (nothing left)
    EXPECT_EQ(Reported, (std::vector<std::string>{"P", "Ra", "P", "Rb", "P", "Rc", "", ""}));
}

TEST_F(InputTest, AHeldKeyGivesOneStroke)
{
    Tap(SDLK_k);
    PollEvents(StateMenu);
    EXPECT_TRUE(KeyDown);
    for (int Frame = 0; Frame < 3; ++Frame) {
        PollEvents(StateMenu);
        EXPECT_FALSE(KeyDown) << Frame;
        EXPECT_EQ(KeyName, "k");
    }
}

TEST_F(InputTest, NamelessKeyReportsNothingWhetherANamedKeyIsHeldOrNot)
{
    Tap(SDLK_k);
    PollEvents(StateMenu);
    for (const SDLKey Key : {SDLK_TAB, SDLK_LSHIFT, SDLK_RETURN, SDLK_LCTRL, SDLK_UP, SDLK_DOWN}) {
        Tap(Key); // no name, k still held
        PollEvents(StateMenu);
        EXPECT_FALSE(KeyDown) << Key;
        EXPECT_EQ(KeyName, "k") << Key;
    }

    Lift(SDLK_k);
    PollEvents(StateMenu);
    Tap(SDLK_UP);
    PollEvents(StateMenu);
    EXPECT_FALSE(KeyDown);
    EXPECT_EQ(KeyName, " ");
}

TEST(InputFirstKey, NamelessKeyFirstOfAllReportsNothing)
{
    THeadless Program;
    PushKey(SDLK_TAB, true);
    PollEvents(StateMenu);
    EXPECT_FALSE(KeyDown);
    EXPECT_EQ(KeyName, "");
}

TEST_F(InputTest, EscReturnAndQuitAct)
{
    ScreenState = StateTornado;
    Tap(SDLK_ESCAPE);
    PollEvents(StateMenu);
    EXPECT_EQ(ScreenState, StateMenu);
    Tap(SDLK_ESCAPE);
    PollEvents(StateQuit);
    EXPECT_EQ(ScreenState, StateQuit);

    ScreenState = StateFire;
    PushQuit();
    PollEvents(StateMenu);
    EXPECT_EQ(ScreenState, StateQuit);

    Tap(SDLK_RETURN); // alone: nothing
    PollEvents(StateMenu);
    EXPECT_EQ(VideoFlags, 0u);
    Tap(SDLK_RETURN, KMOD_RALT);
    PollEvents(StateMenu);
    EXPECT_EQ(VideoFlags, static_cast<Uint32>(SDL_FULLSCREEN));
    Tap(SDLK_RETURN, KMOD_LALT);
    PollEvents(StateMenu);
    EXPECT_EQ(VideoFlags, 0u);
    ASSERT_NE(Screen, nullptr);
}

TEST_F(InputTest, ScreenReactionsRunPerEventAfterTheCommonHandling)
{
    // Two clicks in one burst: four reactions over three frames, each
    // seeing its own event already handled.
    std::vector<std::pair<Uint8, bool>> Seen;
    MovePointer(100, 100);
    for (int Click = 0; Click < 2; ++Click) {
        PushMouseButton(true);
        PushMouseButton(false);
    }
    std::vector<size_t> SeenAfterPoll;
    for (int Frame = 0; Frame < 4; ++Frame) {
        PollEvents(StateMenu, [&](const SDL_Event& E) {
            if (E.type == SDL_MOUSEBUTTONDOWN || E.type == SDL_MOUSEBUTTONUP) Seen.push_back({E.type, MouseHeld});
        });
        SeenAfterPoll.push_back(Seen.size());
    }
    const std::vector<std::pair<Uint8, bool>> Expected = {
        {SDL_MOUSEBUTTONDOWN, true}, {SDL_MOUSEBUTTONUP, false}, {SDL_MOUSEBUTTONDOWN, true}, {SDL_MOUSEBUTTONUP, false}};
    EXPECT_EQ(Seen, Expected);
    EXPECT_EQ(SeenAfterPoll, (std::vector<size_t>{1, 3, 4, 4}));
    EXPECT_EQ(PressVector.X, -300);
    EXPECT_EQ(PressVector.Y, -200);
}

TEST_F(InputTest, MouseInRectIncludesEveryEdge)
{
    MouseX = 320 - 400;
    MouseY = 295 - 300;
    EXPECT_TRUE(MouseInRect(true, 100, 100, 320, 295));
    EXPECT_FALSE(MouseInRect(false, 100, 100, 320, 295)); // relative to the Origin it lies at (-80, -5)
    EXPECT_TRUE(MouseInRect(false, -80, -5, -70, 0));
    MouseX += 1;
    EXPECT_FALSE(MouseInRect(true, 100, 100, 320, 295));
    MouseX -= 1;
    MouseY += 1;
    EXPECT_FALSE(MouseInRect(true, 100, 100, 320, 295));
}
