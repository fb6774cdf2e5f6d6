// The spin edit: values by dragging its arrows, typed values, and bounds.
#include <gtest/gtest.h>

#include <climits>

#include "ui/spin_edit.h"
#include "ui_input.h"

namespace {

// The menu's spin edit at offset (100, 200): the field starts at (105, 231);
// the arrows are drawn from x = 242, 15 pixels wide, and react over
// (242, 231)-(257, 242) for up and (242, 242)-(257, 253) for down.
constexpr int UpX = 255, UpY = 235, DownY = 248;
constexpr int CharX2 = 120; // over the second character of the field

class SpinEditTest : public ::testing::Test {
protected:
    TSpinEdit S = CreateSpinEdit(5, 31, 16, 50, 100, 0, 0, 0, 0);
    void SetUp() override { ResetInput(); }
    int Update()
    {
        UpdateSpinEdit(S, true, 100, 200);
        EXPECT_EQ(S.Edit.Text, std::to_string(S.Value));
        return S.Value;
    }
};

} // namespace

TEST_F(SpinEditTest, DraggingAnArrowCountsOnePerPixelFromThePress)
{
    Press(UpX, UpY);
    EXPECT_EQ(Update(), 51);
    Hold(UpX + 18, UpY - 24); // 30 pixels away in a straight line
    EXPECT_EQ(Update(), 81);
    Hold(UpX + 200, UpY);
    EXPECT_EQ(Update(), 100);
    Release(UpX + 200, UpY);
    EXPECT_EQ(Update(), 100);
    EXPECT_FALSE(S.UpPressed); // up and away from the zone

    Press(UpX, DownY);
    EXPECT_EQ(Update(), 99);
    Hold(UpX, DownY + 10);
    EXPECT_EQ(Update(), 89);
}

TEST_F(SpinEditTest, APressOutsideAnArrowLetsGoOfItBeforeAnyValueIsWorkedOut)
{
    // A finger taps the up arrow, then taps the field: the pointer jumps
    // with no motion between, so the arrow is still marked pressed.
    Press(UpX, UpY);
    EXPECT_EQ(Update(), 51);
    Release(UpX, UpY);
    EXPECT_EQ(Update(), 51);
    ASSERT_TRUE(S.UpPressed);
    Press(CharX2, 240);
    EXPECT_EQ(Update(), 51);
    Hold(CharX2 + 100, 240);
    EXPECT_EQ(Update(), 51);

    // A tap on the down arrow straight after one on the up arrow steps
    // down from the value as it stands.
    Release(CharX2, 240);
    Update();
    Press(UpX, UpY);
    EXPECT_EQ(Update(), 52);
    Release(UpX, UpY);
    Update();
    Press(UpX, DownY);
    EXPECT_EQ(Update(), 51);
    Release(UpX, DownY);
    EXPECT_EQ(Update(), 51);

    // The same when the press has taken the window's focus away, and for
    // the down arrow pressed after the up one.
    Release(CharX2, 240);
    Update();
    Press(UpX, DownY);
    EXPECT_EQ(Update(), 50);
    Release(UpX, DownY);
    Update();
    Press(600, 500);
    UpdateSpinEdit(S, false, 100, 200);
    EXPECT_EQ(S.Value, 50);
    EXPECT_FALSE(S.UpPressed || S.DownPressed);
}

TEST_F(SpinEditTest, ArrowsReactWhereTheyAreDrawn)
{
    // Each press on a fresh spin edit: the left half of each drawn arrow,
    // its last drawn column, and the strip right of it that is no arrow.
    const auto Pressed = [this](int X, int Y) {
        S = CreateSpinEdit(5, 31, 16, 50, 100, 0, 0, 0, 0);
        Press(X, Y);
        return Update();
    };
    for (int X : {242, 245, 249, 256}) {
        EXPECT_EQ(Pressed(X, UpY), 51) << X;
        EXPECT_EQ(Pressed(X, DownY), 49) << X;
    }
    for (int X : {259, 262, 264}) {
        EXPECT_EQ(Pressed(X, UpY), 50) << X;
        EXPECT_EQ(Pressed(X, DownY), 50) << X;
    }
    EXPECT_EQ(Pressed(241, UpY), 50) << "the field's right cap";
}

TEST_F(SpinEditTest, TypedValueIsBounded)
{
    Press(CharX2, 240);
    Update();
    Release(CharX2, 240);
    Update();
    Key("0"); // "50" becomes "500"
    EXPECT_EQ(Update(), 100);
}

TEST_F(SpinEditTest, MinimumAboveMaximumAlwaysHolds)
{
    S = CreateSpinEdit(5, 31, 16, 15, 10, 20, 0, 0, 0);
    EXPECT_EQ(Update(), 20);
    Press(UpX, DownY);
    EXPECT_EQ(Update(), 20);
}

TEST_F(SpinEditTest, DragsFromExtremeValuesStopAtTheBoundsWithoutOverflow)
{
    S = CreateSpinEdit(5, 31, 16, INT_MAX - 5, INT_MAX, INT_MIN, 0, 0, 0);
    Press(UpX, UpY);
    EXPECT_EQ(Update(), INT_MAX - 4);
    MousePressed = false; // held, and dragged
    MouseX = INT_MAX / 2; // a distance far beyond any display
    EXPECT_EQ(Update(), INT_MAX);

    S = CreateSpinEdit(5, 31, 16, INT_MIN + 5, INT_MAX, INT_MIN, 0, 0, 0);
    Press(UpX, DownY);
    EXPECT_EQ(Update(), INT_MIN + 4);
    MousePressed = false;
    MouseY = INT_MIN / 2;
    EXPECT_EQ(Update(), INT_MIN);
}
