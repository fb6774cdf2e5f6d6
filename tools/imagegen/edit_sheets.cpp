// The edit field and the spin arrows that stand to its right.

#include "palette.h"
#include "shapes.h"
#include "sheets.h"

namespace {

using namespace Palette;

constexpr int EditHeight = 22;
constexpr int SelectionColumn = 7;
constexpr int ArrowWidth = 15;
constexpr int ArrowHeight = 11;

// One column of the white well: outline, inner shadow on top, white.
void WellColumn(TCanvas& Sheet, int X)
{
    Sheet.FillRect(X, 0, 1, EditHeight, Well);
    Sheet.Set(X, 0, Outline);
    Sheet.Set(X, 1, WellShadow);
    Sheet.Set(X, EditHeight - 1, Outline);
}

struct TArrowLook {
    TColour FaceTop;
    TColour Face;
    TColour FaceBottom;
    TColour Light; // top and left inner edge
    TColour Dark;  // bottom and right inner edge
    int Shift;     // the mark moves down a pixel while held
};

constexpr TArrowLook ArrowLooks[] = {
    {FaceTop, Face, FaceBottom, Highlight, Shadow, 0},
    {HotFaceTop, HotFace, HotFaceBottom, Highlight, Shadow, 0},
    {PressedFace, PressedFace, PressedFace, PressedShadow, PressedFace, 1},
};

// A small raised button. The left column is no outline: the edit's right
// outline is next to it. The up arrow has an outline row above and below;
// the down arrow, drawn right under it, shares that lower row.
TCanvas ArrowCell(const TArrowLook& Look, bool Up)
{
    TCanvas Piece(ArrowWidth, ArrowHeight);
    Piece.FillRect(0, 0, ArrowWidth, ArrowHeight, Outline);
    const int FaceFirst = Up ? 1 : 0;
    const int FaceLast = ArrowHeight - 2;
    for (int Y = FaceFirst; Y <= FaceLast; ++Y) {
        const double T = (Y - FaceFirst) / double(FaceLast - FaceFirst);
        const TColour Row =
            T < 0.5 ? Mix(Look.FaceTop, Look.Face, T * 2) : Mix(Look.Face, Look.FaceBottom, T * 2 - 1);
        Piece.FillRect(0, Y, ArrowWidth - 1, 1, Row);
    }
    Piece.FillRect(0, FaceFirst, ArrowWidth - 1, 1, Look.Light);
    Piece.FillRect(0, FaceFirst, 1, FaceLast - FaceFirst + 1, Look.Light);
    Piece.FillRect(1, FaceLast, ArrowWidth - 2, 1, Look.Dark);
    Piece.FillRect(ArrowWidth - 2, FaceFirst + 1, 1, FaceLast - FaceFirst, Look.Dark);
    if (Up) {
        RoundCorner(Piece, ArrowWidth - 1, 0, -1, 1, 2, Outline);
    } else {
        RoundCorner(Piece, ArrowWidth - 1, ArrowHeight - 1, -1, -1, 2, Outline);
    }
    const double Middle = (ArrowWidth - 1) / 2.0;
    const double Tip = (Up ? 3.0 : 7.0) + Look.Shift;
    const double Base = (Up ? 7.0 : 3.0) + Look.Shift;
    FillTriangle(Piece, {{{Middle - 3.5, Base}, {Middle + 3.5, Base}, {Middle, Tip}}}, Mark);
    return Piece;
}

} // namespace

TCanvas MakeEditSheet()
{
    // Columns 3 and 4 are both the stretched middle (the right cap starts on
    // column 4), so they are alike; square corners let the spin arrows join on.
    TCanvas Sheet(8, EditHeight);
    for (int X = 1; X <= 5; ++X) WellColumn(Sheet, X);
    Sheet.FillRect(0, 0, 1, EditHeight, Outline);
    Sheet.FillRect(6, 0, 1, EditHeight, Outline);
    Sheet.FillRect(1, 1, 1, EditHeight - 2, WellShadow);
    // The selection is laid over the whole height at half opacity; ending it
    // in the outline colour keeps the field's outline unchanged beneath it.
    Sheet.FillRect(SelectionColumn, 0, 1, EditHeight, Selection);
    Sheet.Set(SelectionColumn, 0, Outline);
    Sheet.Set(SelectionColumn, EditHeight - 1, Outline);
    return Sheet;
}

TCanvas MakeSpinSheet()
{
    TCanvas Sheet(3 * ArrowWidth, 2 * ArrowHeight);
    for (int Look = 0; Look < 3; ++Look) {
        Sheet.Paste(ArrowCell(ArrowLooks[Look], true), Look * ArrowWidth, 0);
        Sheet.Paste(ArrowCell(ArrowLooks[Look], false), Look * ArrowWidth, ArrowHeight);
    }
    return Sheet;
}
