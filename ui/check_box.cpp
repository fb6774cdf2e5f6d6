#include "ui/check_box.h"

#include "draw/display.h"

TCheckBox CreateCheckBox(const std::string& Caption, int X, int Y, bool Checked, Uint32 Color)
{
    return TCheckBox{CreateToggleBox(Caption, X, Y, Checked, Color)};
}

void DrawCheckBox(TCheckBox& C, double OffX, double OffY) { DrawToggleBox(CheckImage, C, OffX, OffY); }

void UpdateCheckBox(TCheckBox& C, bool Active, double OffX, double OffY) { UpdateToggleBox(C, Active, OffX, OffY); }
