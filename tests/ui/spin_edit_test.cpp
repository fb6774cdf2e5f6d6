// The spin edit: values by dragging its arrows, typed values, and bounds.
#include <gtest/gtest.h>

#include <climits>

#include "ui/groups.h"
#include "ui/spin_edit.h"
#include "ui_input.h"

namespace {

// The menu's spin edit at offset (100, 200): the field starts at L = 105,
// T = 231; the arrows are drawn from x = 242, but their zones are
// (249, 231)-(264, 242) for up and (249, 242)-(264, 253) for down.
constexpr double OffX = 100;
constexpr double OffY = 200;
constexpr int UpX = 255, UpY = 235;
constexpr int DownX = 255, DownY = 248;

class SpinEditTest : public ::testing::Test {
protected:
    TSpinEdit S = CreateSpinEdit(5, 31, 16, 50, 100, 0, 0, 0, 0);
    void SetUp() override { ResetInput(); }
    void Update(bool Active = true) { UpdateSpinEdit(S, Active, OffX, OffY); }
};

} // namespace

TEST_F(SpinEditTest, CreateShowsTheValueInANumericEdit)
{
    EXPECT_EQ(S.Edit.Text, "50");
    EXPECT_TRUE(S.Edit.Numeric);
    EXPECT_EQ(S.Value, 50);
    EXPECT_EQ(S.MaxValue, 100);
    EXPECT_EQ(S.MinValue, 0);
}

TEST_F(SpinEditTest, DraggingTheUpArrowAddsOnePerPixelFromThePress)
{
    Press(UpX, UpY);
    Update();
    EXPECT_TRUE(S.UpPressed);
    EXPECT_EQ(S.Value, 51);
    EXPECT_EQ(S.Edit.Text, "51");

    Hold(UpX + 30, UpY);
    Update();
    EXPECT_EQ(S.Value, 81);
    Hold(UpX + 18, UpY - 24); // 30 pixels away in a straight line
    Update();
    EXPECT_EQ(S.Value, 81);
    Hold(UpX + 200, UpY);
    Update();
    EXPECT_EQ(S.Value, 100);

    Release(UpX + 200, UpY);
    Update();
    EXPECT_EQ(S.Value, 100);
    EXPECT_FALSE(S.UpPressed); // up and away from the zone
}

TEST_F(SpinEditTest, DownArrowSubtracts)
{
    Press(DownX, DownY);
    Update();
    EXPECT_EQ(S.Value, 49);
    Hold(DownX, DownY + 10);
    Update();
    EXPECT_EQ(S.Value, 39);
    Hold(DownX, DownY + 100);
    Update();
    EXPECT_EQ(S.Value, 0);
}

TEST_F(SpinEditTest, ArrowZonesLieSevenPixelsRightOfTheDrawnArrows)
{
    Press(245, UpY); // on the drawn up arrow
    Update();
    EXPECT_FALSE(S.UpHover);
    EXPECT_EQ(S.Value, 50);
    Press(264, 242); // both zones share the row 242; the edges are inside
    Update();
    EXPECT_TRUE(S.UpHover);
    EXPECT_TRUE(S.DownHover);
    EXPECT_EQ(S.Value, 49); // the down arrow, updated last, wins
}

TEST_F(SpinEditTest, SecondClickWithoutLeavingTheZoneGivesTheSameValue)
{
    Press(UpX, UpY);
    Update();
    Release(UpX, UpY);
    Update();
    EXPECT_TRUE(S.UpPressed); // still over the zone
    EXPECT_EQ(S.Value, 51);
    Press(UpX, UpY);
    Update();
    EXPECT_EQ(S.Value, 51);

    Release(UpX, UpY);
    Update();
    Rest(400, 400);
    Update();
    EXPECT_FALSE(S.UpPressed);
    Press(UpX, UpY);
    Update();
    EXPECT_EQ(S.Value, 52); // a fresh press counts from the value it finds
}

TEST_F(SpinEditTest, InactiveOrReleasedArrowsDoNothing)
{
    Press(UpX, UpY);
    Update(false);
    EXPECT_TRUE(S.UpHover);
    EXPECT_FALSE(S.UpPressed);
    EXPECT_EQ(S.Value, 50);

    Press(UpX, UpY);
    Update();
    TSpinEditGroup G;
    InitSpinEditGroup(G, 1, true);
    G.Items[0] = S;
    ReleaseSpinArrows(G);
    EXPECT_FALSE(G.Items[0].UpPressed);
    EXPECT_FALSE(G.Items[0].DownPressed);
}

TEST_F(SpinEditTest, TypedValueIsBoundedAndRewritten)
{
    Press(104 + 16, 240); // after the second character of "50"
    Update();
    Release(104 + 16, 240);
    Update();
    ASSERT_TRUE(S.Edit.Focused);
    ASSERT_EQ(S.Edit.Caret, 2);
    Key("0");
    Update();
    EXPECT_EQ(S.Value, 100);
    EXPECT_EQ(S.Edit.Text, "100");
}

TEST_F(SpinEditTest, MinimumAboveMaximumAlwaysHoldsTheMinimum)
{
    S = CreateSpinEdit(5, 31, 16, 15, 10, 20, 0, 0, 0);
    Rest(0, 0);
    Update();
    EXPECT_EQ(S.Value, 20);
    Press(DownX, DownY);
    Update();
    EXPECT_EQ(S.Value, 20);
}

TEST_F(SpinEditTest, LongDragsFromExtremeValuesStopAtTheBounds)
{
    S = CreateSpinEdit(5, 31, 16, INT_MAX - 5, INT_MAX, INT_MIN, 0, 0, 0);
    Press(UpX, UpY);
    Update();
    EXPECT_EQ(S.Value, INT_MAX - 4);
    MouseX = INT_MAX / 2; // a distance far beyond any display
    Update();
    EXPECT_EQ(S.Value, INT_MAX);
    EXPECT_EQ(S.Edit.Text, "2147483647");

    S = CreateSpinEdit(5, 31, 16, INT_MIN + 5, INT_MAX, INT_MIN, 0, 0, 0);
    Press(DownX, DownY);
    Update();
    EXPECT_EQ(S.Value, INT_MIN + 4);
    MouseY = INT_MIN / 2;
    Update();
    EXPECT_EQ(S.Value, INT_MIN);
    EXPECT_EQ(S.Edit.Text, "-2147483648");
}
