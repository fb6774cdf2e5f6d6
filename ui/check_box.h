#pragma once
// TCheckBox: a toggle box drawn from CheckImage.

#include "ui/box.h"

struct TCheckBox : TToggleBox {};

TCheckBox CreateCheckBox(const std::string& Caption, int X, int Y, bool Checked, Uint32 Color);
void DrawCheckBox(TCheckBox& C, double OffX, double OffY);
void UpdateCheckBox(TCheckBox& C, bool Active, double OffX, double OffY);
