#include "ui/box.h"

#include "draw/text.h"
#include "sim/geometry/rounding.h"
#include "ui/hot_rect.h"
#include "ui/press.h"
#include "ui/sheets.h"

TToggleBox CreateToggleBox(const std::string& Caption, int X, int Y, bool Checked, Uint32 Color)
{
    TToggleBox Box;
    Box.Pos = MakeVector(X, Y);
    Box.Caption = Caption;
    Box.Color = Color;
    Box.Checked = Checked;
    return Box;
}

void DrawToggleBox(SDL_Surface* Sheet, const TToggleBox& Box, double OffX, double OffY)
{
    const int64_t L = Round(Extended(Box.Pos.X) + Extended(OffX));
    const int64_t T = Round(Extended(Box.Pos.Y) + Extended(OffY));
    DrawPiece(Sheet, BoxCell(Box.Hover, Box.Armed, Box.Checked), L, T);
    DrawText(BlitterCoord(L + 18), BlitterCoord(T), Box.Color, Box.Caption, false, 0);
}

void UpdateToggleBox(TToggleBox& Box, bool Active, double OffX, double OffY)
{
    const THotRect Hot = {ExtendedSum(Box.Pos.X, OffX), ExtendedSum(Box.Pos.Y, OffY), ExtendedSum(Box.Pos.X, OffX, BoxSize),
                          ExtendedSum(Box.Pos.Y, OffY, BoxSize)};
    UpdatePress(Box.Hover, Box.Armed, Box.Clicked, &Box.Checked, Active, Hot);
}
