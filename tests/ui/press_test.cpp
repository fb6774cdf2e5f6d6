// The press protocol as buttons and boxes see it, driven frame by frame
// through the input globals.
#include <gtest/gtest.h>

#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/press.h"
#include "ui_input.h"

namespace {

// "OK" at (5, 5) is 26x26: with the offset (100, 200) its hot rectangle
// runs from (105, 205) to (131, 231), all edges inside.
constexpr double OffX = 100;
constexpr double OffY = 200;

class PressTest : public ::testing::Test {
protected:
    TButton B = CreateButton("OK", 5, 5, 0, 0);
    void SetUp() override { ResetInput(); }
    void Update(bool Active = true) { UpdateButton(B, Active, OffX, OffY); }
};

struct TFlags {
    bool Hover, Armed, Clicked;
    bool operator==(const TFlags&) const = default;
};
TFlags Flags(const TButton& B) { return {B.Hover, B.Armed, B.Clicked}; }

} // namespace

TEST_F(PressTest, PressOutsideThenReleaseInsideIsNoClick)
{
    Press(90, 190);
    Update();
    EXPECT_EQ(Flags(B), (TFlags{false, false, false}));
    Hold(110, 210);
    Update();
    EXPECT_EQ(Flags(B), (TFlags{true, false, false}));
    Release(110, 210);
    Update();
    EXPECT_EQ(Flags(B), (TFlags{true, false, false}));
}

TEST_F(PressTest, PressDragOutAndBackReleaseInsideClicksOnce)
{
    Press(110, 210);
    Update();
    EXPECT_EQ(Flags(B), (TFlags{true, true, false}));
    Hold(300, 300);
    Update();
    EXPECT_EQ(Flags(B), (TFlags{false, true, false})); // still armed away from the button
    Hold(120, 220);
    Update();
    EXPECT_EQ(Flags(B), (TFlags{true, true, false}));
    Release(120, 220);
    Update();
    EXPECT_EQ(Flags(B), (TFlags{true, false, true}));
    Rest(120, 220);
    Update();
    EXPECT_EQ(Flags(B), (TFlags{true, false, false})); // Clicked holds for one update
}

TEST_F(PressTest, PressInsideReleaseOutsideDisarmsWithoutClick)
{
    Press(110, 210);
    Update();
    Release(300, 300);
    Update();
    EXPECT_EQ(Flags(B), (TFlags{false, false, false}));
    Rest(110, 210); // coming back afterwards does not click either
    Update();
    EXPECT_EQ(Flags(B), (TFlags{true, false, false}));
}

TEST_F(PressTest, RightAndBottomEdgesBelongToTheHotRectangle)
{
    Press(131, 231);
    Update();
    EXPECT_TRUE(B.Armed);
    Release(131, 231);
    Update();
    EXPECT_TRUE(B.Clicked);

    Rest(132, 231);
    Update();
    EXPECT_FALSE(B.Hover);
    Rest(131, 232);
    Update();
    EXPECT_FALSE(B.Hover);
    Rest(105, 205);
    Update();
    EXPECT_TRUE(B.Hover);
}

TEST_F(PressTest, HotRectangleUsesTheUnroundedOffset)
{
    Rest(105, 210);
    UpdateButton(B, true, 100.4, OffY); // the left edge is at 105.4
    EXPECT_FALSE(B.Hover);
    UpdateButton(B, true, 99.6, OffY);
    EXPECT_TRUE(B.Hover);
}

TEST_F(PressTest, InactiveWidgetTracksHoverOnly)
{
    Press(110, 210);
    Update(false);
    EXPECT_EQ(Flags(B), (TFlags{true, false, false}));

    // Armed while active, then the window loses the focus: the flags freeze.
    Update(true);
    ASSERT_TRUE(B.Armed);
    Release(110, 210);
    Update(false);
    EXPECT_EQ(Flags(B), (TFlags{true, true, false}));
    Rest(300, 300);
    Update(false);
    EXPECT_EQ(Flags(B), (TFlags{false, true, false}));
}

TEST_F(PressTest, CheckBoxFlipsOnAClickOfTheBoxOnly)
{
    TCheckBox C = CreateCheckBox("Caption", 5, 5, false, 0);
    // The box covers (105, 205)-(118, 218); the caption lies to its right.
    Press(140, 210);
    UpdateCheckBox(C, true, OffX, OffY);
    Release(140, 210);
    UpdateCheckBox(C, true, OffX, OffY);
    EXPECT_FALSE(C.Checked);
    EXPECT_FALSE(C.Clicked);

    Press(118, 218);
    UpdateCheckBox(C, true, OffX, OffY);
    EXPECT_FALSE(C.Checked); // not on the press
    Release(118, 218);
    UpdateCheckBox(C, true, OffX, OffY);
    EXPECT_TRUE(C.Checked);
    EXPECT_TRUE(C.Clicked);

    Press(110, 210);
    UpdateCheckBox(C, false, OffX, OffY);
    Release(110, 210);
    UpdateCheckBox(C, false, OffX, OffY);
    EXPECT_TRUE(C.Checked); // an inactive box keeps its tick
}
