#pragma once
// TRadioBox: a toggle box drawn from RadioImage. On its own it toggles like
// a check box; a radio group (ui/groups.h) makes its boxes one choice.

#include "ui/box.h"

struct TRadioBox : TToggleBox {};

TRadioBox CreateRadioBox(const std::string& Caption, int X, int Y, bool Checked, Uint32 Color);
void DrawRadioBox(TRadioBox& R, double OffX, double OffY);
void UpdateRadioBox(TRadioBox& R, bool Active, double OffX, double OffY);
