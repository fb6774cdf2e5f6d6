#include "ui/check_box.h"

#include "draw/display.h"
#include "ui/box.h"

TCheckBox CreateCheckBox(const std::string& Caption, int X, int Y, bool Checked, Uint32 Color)
{
    TCheckBox C;
    C.Pos = MakeVector(X, Y);
    C.Caption = Caption;
    C.Color = Color;
    C.Checked = Checked;
    return C;
}

void DrawCheckBox(TCheckBox& C, double OffX, double OffY) { DrawBox(CheckImage, C, OffX, OffY); }

void UpdateCheckBox(TCheckBox& C, bool Active, double OffX, double OffY) { UpdateBox(C, Active, OffX, OffY); }
