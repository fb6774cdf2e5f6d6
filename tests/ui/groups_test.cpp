// Widget groups: initialisation, visibility, and the radio group's
// one-of-many rule.
#include <gtest/gtest.h>

#include "ui/groups.h"
#include "ui_input.h"

namespace {

// Three radio boxes 20 pixels apart, drawn at offset (0, 0): box k (1-based)
// covers (10, 20k - 10)-(23, 20k + 3).
TRadioGroup ThreeBoxes(bool AllowNone, bool FirstChecked, bool ThirdChecked)
{
    TRadioGroup G;
    InitRadioGroup(G, 3, AllowNone, true);
    G.Items[0] = CreateRadioBox("a", 10, 10, FirstChecked, 0);
    G.Items[1] = CreateRadioBox("b", 10, 30, false, 0);
    G.Items[2] = CreateRadioBox("c", 10, 50, ThirdChecked, 0);
    return G;
}

void ClickBox(TRadioGroup& G, int K, bool Active = true)
{
    const int Y = 20 * K - 5;
    Press(15, Y);
    UpdateRadioGroup(G, Active, 0, 0);
    Release(15, Y);
    UpdateRadioGroup(G, Active, 0, 0);
}

std::vector<bool> Checks(const TRadioGroup& G)
{
    std::vector<bool> Result;
    for (const TRadioBox& Box : G.Items) Result.push_back(Box.Checked);
    return Result;
}

class GroupsTest : public ::testing::Test {
protected:
    void SetUp() override { ResetInput(); }
};

} // namespace

TEST_F(GroupsTest, InitDiscardsTheItemsAndZeroFillsNewOnes)
{
    TButtonGroup G;
    InitButtonGroup(G, 2, true);
    G.Items[0] = CreateButton("x", 1, 2, 0, 0);
    InitButtonGroup(G, 3, false);
    ASSERT_EQ(G.Items.size(), 3u);
    EXPECT_FALSE(G.Visible);
    EXPECT_EQ(G.Items[0].Caption, "");
    EXPECT_EQ(G.Items[0].Bounds.B.X, 0);
    InitButtonGroup(G, 0, true);
    EXPECT_TRUE(G.Items.empty());
    InitButtonGroup(G, -1, true);
    EXPECT_TRUE(G.Items.empty());

    TRadioGroup R = ThreeBoxes(false, true, false);
    R.Selected = 2;
    InitRadioGroup(R, 1, true, true);
    EXPECT_EQ(R.Selected, 0);
    EXPECT_TRUE(R.AllowNone);
    EXPECT_FALSE(R.Items[0].Checked);
}

TEST_F(GroupsTest, HiddenGroupNeitherUpdatesNorLosesAStaleClick)
{
    TButtonGroup G;
    InitButtonGroup(G, 1, true);
    G.Items[0] = CreateButton("x", 0, 0, 0, 0);
    Press(5, 5);
    UpdateButtonGroup(G, true, 0, 0);
    Release(5, 5);
    UpdateButtonGroup(G, true, 0, 0);
    ASSERT_TRUE(G.Items[0].Clicked);

    G.Visible = false;
    Rest(500, 500);
    UpdateButtonGroup(G, true, 0, 0);
    EXPECT_TRUE(G.Items[0].Clicked);
    EXPECT_TRUE(G.Items[0].Hover); // not even hover follows
}

TEST_F(GroupsTest, BoxesCreatedCheckedSettleOverTwoUpdates)
{
    TRadioGroup G = ThreeBoxes(false, true, true);
    Rest(300, 300);
    UpdateRadioGroup(G, true, 0, 0);
    EXPECT_EQ(G.Selected, 3);
    EXPECT_EQ(Checks(G), (std::vector<bool>{true, false, true}));
    UpdateRadioGroup(G, true, 0, 0);
    EXPECT_EQ(G.Selected, 1);
    EXPECT_EQ(Checks(G), (std::vector<bool>{true, false, false}));
    UpdateRadioGroup(G, true, 0, 0);
    EXPECT_EQ(G.Selected, 1);
    EXPECT_EQ(Checks(G), (std::vector<bool>{true, false, false}));
}

TEST_F(GroupsTest, ClickMovesTheChoiceWithinOneUpdate)
{
    TRadioGroup G = ThreeBoxes(false, true, false);
    Rest(300, 300);
    UpdateRadioGroup(G, true, 0, 0);
    ASSERT_EQ(G.Selected, 1);

    ClickBox(G, 3);
    EXPECT_EQ(G.Selected, 3);
    EXPECT_EQ(Checks(G), (std::vector<bool>{false, false, true}));
    ClickBox(G, 2); // a box before the chosen one
    EXPECT_EQ(G.Selected, 2);
    EXPECT_EQ(Checks(G), (std::vector<bool>{false, true, false}));
}

TEST_F(GroupsTest, ClickOnTheChosenBoxKeepsItOrClearsTheChoice)
{
    TRadioGroup Kept = ThreeBoxes(false, false, false);
    ClickBox(Kept, 2);
    ASSERT_EQ(Kept.Selected, 2);
    ClickBox(Kept, 2);
    EXPECT_EQ(Kept.Selected, 2);
    EXPECT_EQ(Checks(Kept), (std::vector<bool>{false, true, false}));
    EXPECT_TRUE(Kept.Items[1].Clicked);

    TRadioGroup Cleared = ThreeBoxes(true, false, false);
    ClickBox(Cleared, 2);
    ASSERT_EQ(Cleared.Selected, 2);
    ClickBox(Cleared, 2);
    EXPECT_EQ(Cleared.Selected, 0);
    EXPECT_EQ(Checks(Cleared), (std::vector<bool>{false, false, false}));
}

TEST_F(GroupsTest, InactiveRadioGroupKeepsItsChoice)
{
    TRadioGroup G = ThreeBoxes(true, true, false);
    Rest(300, 300);
    UpdateRadioGroup(G, true, 0, 0);
    ClickBox(G, 3, false);
    EXPECT_EQ(G.Selected, 1);
    EXPECT_EQ(Checks(G), (std::vector<bool>{true, false, false}));
    ClickBox(G, 1, false);
    EXPECT_EQ(G.Selected, 1);
    EXPECT_TRUE(G.Items[0].Checked);
    EXPECT_TRUE(G.Items[0].Hover);
}

TEST_F(GroupsTest, ChoiceNamingNoBoxIsLeftAlone)
{
    TRadioGroup G = ThreeBoxes(false, false, true);
    G.Selected = 7; // written by a screen
    Rest(300, 300);
    UpdateRadioGroup(G, true, 0, 0);
    EXPECT_EQ(G.Selected, 3);
    EXPECT_EQ(Checks(G), (std::vector<bool>{false, false, true}));
}
