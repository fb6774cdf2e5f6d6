#include "ui/radio_box.h"

#include "draw/display.h"

TRadioBox CreateRadioBox(const std::string& Caption, int X, int Y, bool Checked, Uint32 Color)
{
    return TRadioBox{CreateToggleBox(Caption, X, Y, Checked, Color)};
}

void DrawRadioBox(TRadioBox& R, double OffX, double OffY) { DrawToggleBox(RadioImage, R, OffX, OffY); }

void UpdateRadioBox(TRadioBox& R, bool Active, double OffX, double OffY) { UpdateToggleBox(R, Active, OffX, OffY); }
