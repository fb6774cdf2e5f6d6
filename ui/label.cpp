#include "ui/label.h"

#include "draw/text.h"
#include "sim/geometry/rounding.h"
#include "ui/sheets.h"

TLabel CreateLabel(int X, int Y, const std::string& Caption)
{
    TLabel L;
    L.Pos = MakeVector(X, Y);
    L.Caption = Caption;
    return L;
}

void DrawLabel(TLabel& L, Uint32 Color, double OffX, double OffY)
{
    const int64_t X = Round(Extended(L.Pos.X) + Extended(OffX));
    const int64_t Y = Round(Extended(L.Pos.Y) + Extended(OffY));
    DrawText(BlitterCoord(X), BlitterCoord(Y), Color, L.Caption, false, 0);
}
