// PollEvents driven through SDL's real event queue under the dummy driver.
#include <gtest/gtest.h>

#include "app/input.h"
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

TEST_F(InputTest, PressAndReleaseWithinOnePollAreBothSeen)
{
    PushMouseButton(true);
    PushMouseButton(false);
    PollEvents(StateMenu);
    EXPECT_TRUE(MousePressed);
    EXPECT_TRUE(MouseReleased);
    EXPECT_FALSE(MouseHeld);

    PushMouseButton(true);
    PollEvents(StateMenu);
    EXPECT_TRUE(MousePressed && MouseHeld && !MouseReleased);
    PollEvents(StateMenu); // a poll without events clears the edges only
    EXPECT_TRUE(!MousePressed && MouseHeld && !MouseReleased);
}

TEST_F(InputTest, TheWheelCountsAsAClick)
{
    PushMouseButton(true, SDL_BUTTON_WHEELUP);
    PushMouseButton(false, SDL_BUTTON_WHEELUP);
    PollEvents(StateMenu);
    EXPECT_TRUE(MousePressed);
    EXPECT_TRUE(MouseReleased);
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

TEST_F(InputTest, KeyPressedAndReleasedInOnePollIsLost)
{
    Tap(SDLK_x);
    Lift(SDLK_x);
    PollEvents(StateMenu);
    EXPECT_FALSE(KeyDown);
    EXPECT_EQ(KeyName, " ");

    Tap(SDLK_SPACE); // the space bar alike
    Lift(SDLK_SPACE);
    PollEvents(StateMenu);
    EXPECT_FALSE(KeyDown);

    Tap(SDLK_SPACE); // held across the poll: a space
    PollEvents(StateMenu);
    EXPECT_TRUE(KeyDown);
    EXPECT_EQ(KeyName, " ");
}

TEST_F(InputTest, OnlyTheLastOfTwoNamedKeysIsReported)
{
    Tap(SDLK_a);
    Tap(SDLK_b);
    PollEvents(StateMenu);
    EXPECT_TRUE(KeyDown);
    EXPECT_EQ(KeyName, "b");
}

TEST_F(InputTest, NamelessKeyRepeatsAHeldNameAndReportsNothingAfterRelease)
{
    Tap(SDLK_k);
    PollEvents(StateMenu);
    Tap(SDLK_F1); // no name, k still held
    PollEvents(StateMenu);
    EXPECT_TRUE(KeyDown);
    EXPECT_EQ(KeyName, "k");

    Lift(SDLK_k);
    Lift(SDLK_F1);
    PollEvents(StateMenu);
    Tap(SDLK_UP);
    PollEvents(StateMenu);
    EXPECT_FALSE(KeyDown);
    EXPECT_EQ(KeyName, " ");
}

TEST(InputFirstKey, NamelessKeyFirstOfAllIsReportedWithoutAName)
{
    THeadless Program;
    PushKey(SDLK_TAB, true);
    PollEvents(StateMenu);
    EXPECT_TRUE(KeyDown);
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
    // Two clicks in one poll: four reactions, each seeing its own event
    // already handled.
    std::vector<std::pair<Uint8, bool>> Seen;
    MovePointer(100, 100);
    for (int Click = 0; Click < 2; ++Click) {
        PushMouseButton(true);
        PushMouseButton(false);
    }
    PollEvents(StateMenu, [&](const SDL_Event& E) {
        if (E.type == SDL_MOUSEBUTTONDOWN || E.type == SDL_MOUSEBUTTONUP) Seen.push_back({E.type, MouseHeld});
    });
    const std::vector<std::pair<Uint8, bool>> Expected = {
        {SDL_MOUSEBUTTONDOWN, true}, {SDL_MOUSEBUTTONUP, false}, {SDL_MOUSEBUTTONDOWN, true}, {SDL_MOUSEBUTTONUP, false}};
    EXPECT_EQ(Seen, Expected);
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
