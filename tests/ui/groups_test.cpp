// The radio group's one-of-many rule.
#include <gtest/gtest.h>

#include "ui/groups.h"
#include "ui_input.h"

namespace {

// Box k (1-based) covers (10, 20k - 10)-(23, 20k + 3) at offset (0, 0).
TRadioGroup ThreeBoxes(bool AllowNone, bool FirstChecked, bool ThirdChecked)
{
    ResetInput();
    TRadioGroup G;
    InitRadioGroup(G, 3, AllowNone, true);
    G.Items[0] = CreateRadioBox("a", 10, 10, FirstChecked, 0);
    G.Items[1] = CreateRadioBox("b", 10, 30, false, 0);
    G.Items[2] = CreateRadioBox("c", 10, 50, ThirdChecked, 0);
    return G;
}

void ClickBox(TRadioGroup& G, int K, bool Active = true)
{
    Press(15, 20 * K - 5);
    UpdateRadioGroup(G, Active, 0, 0);
    Release(15, 20 * K - 5);
    UpdateRadioGroup(G, Active, 0, 0);
}

// Selected, then the boxes' Checked flags.
std::vector<int> State(const TRadioGroup& G)
{
    return {G.Selected, G.Items[0].Checked, G.Items[1].Checked, G.Items[2].Checked};
}

} // namespace

TEST(RadioGroup, BoxesCreatedCheckedSettleOverTwoUpdates)
{
    TRadioGroup G = ThreeBoxes(false, true, true);
    UpdateRadioGroup(G, true, 0, 0);
    EXPECT_EQ(State(G), (std::vector<int>{3, 1, 0, 1}));
    UpdateRadioGroup(G, true, 0, 0);
    EXPECT_EQ(State(G), (std::vector<int>{1, 1, 0, 0}));
    ClickBox(G, 3);
    EXPECT_EQ(State(G), (std::vector<int>{3, 0, 0, 1}));
    ClickBox(G, 2); // a box before the chosen one
    EXPECT_EQ(State(G), (std::vector<int>{2, 0, 1, 0}));
}

TEST(RadioGroup, ClickOnTheChosenBoxKeepsItOrWithAllowNoneClearsIt)
{
    for (const bool AllowNone : {false, true}) {
        TRadioGroup G = ThreeBoxes(AllowNone, false, false);
        ClickBox(G, 2);
        ClickBox(G, 2);
        EXPECT_EQ(State(G), AllowNone ? (std::vector<int>{0, 0, 0, 0}) : (std::vector<int>{2, 0, 1, 0}));
    }
}

TEST(RadioGroup, InactiveClicksChangeNothing)
{
    TRadioGroup G = ThreeBoxes(true, true, false);
    UpdateRadioGroup(G, true, 0, 0);
    ClickBox(G, 3, false);
    ClickBox(G, 1, false);
    EXPECT_EQ(State(G), (std::vector<int>{1, 1, 0, 0}));
    G.Selected = 7; // a choice a screen wrote, naming no box
    UpdateRadioGroup(G, true, 0, 0);
    EXPECT_EQ(State(G), (std::vector<int>{1, 1, 0, 0}));
}
