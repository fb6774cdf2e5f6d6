#pragma once
// The press protocol that buttons, check boxes and radio boxes share: three
// flags driven by the frame's mouse state, so that a click needs both the
// press and the release over the widget.
//
// Each update, in this order:
//   1. Hover   := the mouse lies in the hot rectangle (all edges inclusive).
//   2. Inactive (the window is not focused): stop; Armed, Clicked and
//      Checked keep their values.
//   3. Clicked := Armed and Hover and MouseReleased (Armed as it was before
//      this update).
//   4. Boxes only: Checked flips when Clicked does.
//   5. Armed   := true on a press over the widget, false once the mouse
//      button is up, otherwise unchanged.
//
//   frame  mouse                           Hover Armed Clicked
//   1      pressed inside                  1     1     0
//   2      held, moved outside             0     1     0
//   3      held, back inside               1     1     0
//   4      released inside                 1     0     1
//   5      nothing                         1     0     0
// Pressed outside and released inside: Armed is never set, no click.
// Pressed inside and released outside: no click, and Armed is cleared.

#include "ui/hot_rect.h"

// Runs the protocol on a widget's flags. Checked is null for buttons.
void UpdatePress(bool& Hover, bool& Armed, bool& Clicked, bool* Checked, bool Active, const THotRect& Hot);
