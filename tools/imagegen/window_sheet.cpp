// The window sheet is a whole miniature window, 35x27. The program cuts it
// at column 6 and row 23 and repeats that column and row to any size, so
// drawing it as one picture keeps the stretched parts seamless.

#include "palette.h"
#include "shapes.h"
#include "sheets.h"

namespace {

constexpr int Width = 35;
constexpr int Height = 27;
constexpr int TitleHeight = 23;
constexpr int RightEnd = Width - 28; // first column of the title bar's right end

// The roll-up box. The program's hot rectangle runs from 30 to 7 pixels left
// of the window's right edge and from row 3 to row 20, and the right end is
// drawn 28 pixels left of that edge, so the rectangle spans columns -2..21 of
// the right end. The box sits in its middle with an even margin above and below.
constexpr int BoxLeft = RightEnd + 1;
constexpr int BoxTop = 3;
constexpr int BoxSize = 17;

void DrawTitleBar(TCanvas& Sheet)
{
    using namespace Palette;
    Sheet.FillRect(0, 0, Width, TitleHeight, TitleOutline);
    Sheet.FillRect(1, 1, Width - 2, 1, TitleGloss);
    for (int Y = 2; Y < TitleHeight - 1; ++Y)
        Sheet.FillRect(1, Y, Width - 2, 1, Mix(TitleTop, TitleBottom, (Y - 2) / double(TitleHeight - 4)));
    // The bottom row joins the frame: its face at the sides, the inner line across.
    Sheet.FillRect(1, TitleHeight - 1, Width - 2, 1, FrameInner);
    Sheet.Set(1, TitleHeight - 1, FrameFace);
    Sheet.Set(Width - 2, TitleHeight - 1, FrameFace);
}

// Outline, blue face and a dark inner line on the left, right and bottom.
void DrawFrameAndBody(TCanvas& Sheet)
{
    using namespace Palette;
    Sheet.FillRect(0, TitleHeight, Width, Height - TitleHeight, TitleOutline);
    Sheet.FillRect(1, TitleHeight, Width - 2, Height - TitleHeight - 1, FrameFace);
    Sheet.FillRect(2, TitleHeight, Width - 4, Height - TitleHeight - 2, FrameInner);
    Sheet.FillRect(3, TitleHeight, Width - 6, Height - TitleHeight - 3, Body);
}

void DrawRollUpBox(TCanvas& Sheet)
{
    using namespace Palette;
    TCanvas Box(BoxSize, BoxSize);
    Box.FillRect(0, 0, BoxSize, BoxSize, TitleOutline);
    for (int Y = 1; Y < BoxSize - 1; ++Y)
        Box.FillRect(1, Y, BoxSize - 2, 1, Mix(RollUpTop, RollUpBottom, (Y - 1) / double(BoxSize - 3)));
    Box.FillRect(1, 1, BoxSize - 2, 1, RollUpGloss);
    RoundCorner(Box, 0, 0, 1, 1, 2, TitleOutline);
    RoundCorner(Box, BoxSize - 1, 0, -1, 1, 2, TitleOutline);
    RoundCorner(Box, 0, BoxSize - 1, 1, -1, 2, TitleOutline);
    RoundCorner(Box, BoxSize - 1, BoxSize - 1, -1, -1, 2, TitleOutline);
    // Rounded-off corners show the title bar behind the box.
    for (int Y = 0; Y < BoxSize; ++Y)
        for (int X = 0; X < BoxSize; ++X)
            if (Box.At(X, Y) == KeyColour) Box.Set(X, Y, Sheet.At(BoxLeft + X, BoxTop + Y));
    StrokePolyline(Box, {{4.5, 10.5}, {8.5, 6.5}, {12.5, 10.5}}, 2.0, RollUpChevron);
    Sheet.Paste(Box, BoxLeft, BoxTop);
}

} // namespace

TCanvas MakeWindowSheet()
{
    TCanvas Sheet(Width, Height);
    DrawTitleBar(Sheet);
    DrawFrameAndBody(Sheet);
    DrawRollUpBox(Sheet);
    RoundCorner(Sheet, 0, 0, 1, 1, 4, Palette::TitleOutline);
    RoundCorner(Sheet, Width - 1, 0, -1, 1, 4, Palette::TitleOutline);
    RoundCorner(Sheet, 0, Height - 1, 1, -1, 3, Palette::TitleOutline);
    RoundCorner(Sheet, Width - 1, Height - 1, -1, -1, 3, Palette::TitleOutline);
    return Sheet;
}
