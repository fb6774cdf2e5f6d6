#include "palette.h"
#include "shapes.h"
#include "sheets.h"

namespace {

constexpr int Block = 7; // 3-pixel corners around a 1-pixel middle

// Raised: white highlight on the top and left, shadow on the bottom and
// right, a face lightening towards the top. The middle row and column are
// stretched, so they carry the flat face colour.
TCanvas RaisedBlock()
{
    using namespace Palette;
    TCanvas Piece(Block, Block);
    Piece.FillRect(0, 0, Block, Block, Outline);
    const TColour FaceByRow[] = {FaceTop, Face, FaceBottom};
    for (int Y = 2; Y <= 4; ++Y) Piece.FillRect(2, Y, 3, 1, FaceByRow[Y - 2]);
    Piece.FillRect(1, 1, 5, 1, Highlight);
    Piece.FillRect(1, 2, 1, 3, Highlight);
    Piece.FillRect(5, 2, 1, 3, Shadow);
    Piece.FillRect(1, 5, 5, 1, Shadow);
    return Piece;
}

// Pressed: sunk, so the shadow falls on the top and left of a darker face.
TCanvas SunkBlock()
{
    using namespace Palette;
    TCanvas Piece(Block, Block);
    Piece.FillRect(0, 0, Block, Block, PressedOutline);
    Piece.FillRect(1, 1, 5, 5, PressedFace);
    Piece.FillRect(1, 1, 5, 1, PressedShadow);
    Piece.FillRect(1, 2, 1, 4, PressedShadow);
    return Piece;
}

void RoundCorners(TCanvas& Piece, TColour Outline)
{
    RoundCorner(Piece, 0, 0, 1, 1, 2, Outline);
    RoundCorner(Piece, Block - 1, 0, -1, 1, 2, Outline);
    RoundCorner(Piece, 0, Block - 1, 1, -1, 2, Outline);
    RoundCorner(Piece, Block - 1, Block - 1, -1, -1, 2, Outline);
}

} // namespace

TCanvas MakeButtonSheet()
{
    TCanvas Normal = RaisedBlock();
    RoundCorners(Normal, Palette::Outline);
    TCanvas Pressed = SunkBlock();
    RoundCorners(Pressed, Palette::PressedOutline);
    TCanvas Sheet(Block, 2 * Block);
    Sheet.Paste(Normal, 0, 0);
    Sheet.Paste(Pressed, 0, Block);
    return Sheet;
}
