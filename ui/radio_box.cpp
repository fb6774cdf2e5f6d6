#include "ui/radio_box.h"

#include "draw/display.h"
#include "ui/box.h"

TRadioBox CreateRadioBox(const std::string& Caption, int X, int Y, bool Checked, Uint32 Color)
{
    TRadioBox R;
    R.Pos = MakeVector(X, Y);
    R.Caption = Caption;
    R.Color = Color;
    R.Checked = Checked;
    return R;
}

void DrawRadioBox(TRadioBox& R, double OffX, double OffY) { DrawBox(RadioImage, R, OffX, OffY); }

void UpdateRadioBox(TRadioBox& R, bool Active, double OffX, double OffY) { UpdateBox(R, Active, OffX, OffY); }
