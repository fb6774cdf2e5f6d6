// The press protocol, frame by frame: each row is one frame's mouse, whether
// the window is active, and the flags the update leaves.
#include <gtest/gtest.h>

#include <array>

#include "ui/button.h"
#include "ui/check_box.h"
#include "ui_input.h"

namespace {

struct TRow {
    char Mouse; // 'P' pressed, 'H' held, 'R' released, '-' at rest
    int X, Y;
    bool Active;
    std::array<int, 3> HoverArmedClicked;
};

void MouseAs(const TRow& R)
{
    if (R.Mouse == 'P') Press(R.X, R.Y);
    if (R.Mouse == 'H') Hold(R.X, R.Y);
    if (R.Mouse == 'R') Release(R.X, R.Y);
    if (R.Mouse == '-') Rest(R.X, R.Y);
}

// "OK" at (5, 5) is 26x26; at offset (100, 200) it covers (105, 205)-(131, 231).
void Play(std::initializer_list<TRow> Rows)
{
    ResetInput();
    TButton B = CreateButton("OK", 5, 5, 0, 0);
    int Frame = 0;
    for (const TRow& R : Rows) {
        MouseAs(R);
        UpdateButton(B, R.Active, 100, 200);
        EXPECT_EQ((std::array<int, 3>{B.Hover, B.Armed, B.Clicked}), R.HoverArmedClicked) << "frame " << ++Frame;
    }
}

} // namespace

TEST(PressProtocol, PressOutsideReleaseInsideIsNoClick)
{
    Play({{'P', 90, 190, true, {0, 0, 0}}, {'H', 110, 210, true, {1, 0, 0}}, {'R', 110, 210, true, {1, 0, 0}}});
}

TEST(PressProtocol, DragOutAndBackClicksOnceOnTheRelease)
{
    Play({{'P', 110, 210, true, {1, 1, 0}},
          {'H', 300, 300, true, {0, 1, 0}},
          {'H', 120, 220, true, {1, 1, 0}},
          {'R', 120, 220, true, {1, 0, 1}},
          {'-', 120, 220, true, {1, 0, 0}}});
}

TEST(PressProtocol, ReleaseOutsideDisarmsWithoutClick)
{
    Play({{'P', 110, 210, true, {1, 1, 0}}, {'R', 300, 300, true, {0, 0, 0}}, {'-', 110, 210, true, {1, 0, 0}}});
}

TEST(PressProtocol, RightAndBottomEdgesAreInside)
{
    Play({{'P', 131, 231, true, {1, 1, 0}},
          {'R', 131, 231, true, {1, 0, 1}},
          {'-', 132, 231, true, {0, 0, 0}},
          {'-', 131, 232, true, {0, 0, 0}}});
}

TEST(PressProtocol, UnfocusedWidgetTracksHoverOnly)
{
    Play({{'P', 110, 210, false, {1, 0, 0}},
          {'P', 110, 210, true, {1, 1, 0}},
          {'R', 110, 210, false, {1, 1, 0}},
          {'-', 300, 300, false, {0, 1, 0}}});
}

TEST(PressProtocol, CheckBoxFlipsOnAClickOfItsBoxNotItsCaption)
{
    ResetInput();
    TCheckBox C = CreateCheckBox("Caption", 5, 5, false, 0); // the box covers (105, 205)-(118, 218)
    for (const int X : {140, 118}) {
        Press(X, 210);
        UpdateCheckBox(C, true, 100, 200);
        Release(X, 210);
        UpdateCheckBox(C, true, 100, 200);
        EXPECT_EQ(C.Checked, X == 118);
        EXPECT_EQ(C.Clicked, X == 118);
    }
}
