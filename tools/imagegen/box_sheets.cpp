// Check and radio boxes share one layout: 13x13 cells, idle / hover /
// pressed across and unchecked / checked down.

#include <cmath>

#include "palette.h"
#include "shapes.h"
#include "sheets.h"

namespace {

constexpr int Cell = 13;

struct TBoxLook {
    TColour Outline;
    TColour InnerShadow;
    TColour Well;
};

constexpr TBoxLook Looks[] = {
    {Palette::Outline, Palette::WellShadow, Palette::Well},
    {Palette::HotOutline, Palette::WellShadow, Palette::HotWell},
    {Palette::PressedOutline, Palette::PressedShadow, Palette::PressedWell},
};

TCanvas CheckCell(const TBoxLook& Look, bool Checked)
{
    TCanvas Piece(Cell, Cell);
    Piece.FillRect(0, 0, Cell, Cell, Look.Outline);
    Piece.FillRect(1, 1, Cell - 2, Cell - 2, Look.InnerShadow);
    Piece.FillRect(2, 2, Cell - 3, Cell - 3, Look.Well);
    RoundCorner(Piece, 0, 0, 1, 1, 2, Look.Outline);
    RoundCorner(Piece, Cell - 1, 0, -1, 1, 2, Look.Outline);
    RoundCorner(Piece, 0, Cell - 1, 1, -1, 2, Look.Outline);
    RoundCorner(Piece, Cell - 1, Cell - 1, -1, -1, 2, Look.Outline);
    if (Checked) StrokePolyline(Piece, {{3.3, 6.5}, {5.5, 9.0}, {9.9, 3.6}}, 2.0, Palette::Mark);
    return Piece;
}

// A disc drawn into the body colour, so its rim blends with the window
// behind it; pixels the rim barely touches are left transparent.
TCanvas RadioCell(const TBoxLook& Look, bool Checked)
{
    constexpr double Middle = Cell / 2.0;
    const auto Disc = [](double CentreX, double CentreY, double Radius) {
        return [=](double X, double Y) { return std::hypot(X - CentreX, Y - CentreY) <= Radius; };
    };
    TCanvas Piece(Cell, Cell);
    Piece.FillRect(0, 0, Cell, Cell, Palette::Body);
    FillShape(Piece, Disc(Middle, Middle, 6.5), Look.Outline);
    FillShape(Piece, Disc(Middle, Middle, 5.5), Look.InnerShadow);
    FillShape(Piece, Disc(Middle + 0.45, Middle + 0.45, 5.0), Look.Well);
    if (Checked) FillDisc(Piece, {Middle, Middle}, 2.7, Palette::Mark);
    for (int Y = 0; Y < Cell; ++Y)
        for (int X = 0; X < Cell; ++X)
            if (Coverage(X, Y, Disc(Middle, Middle, 6.5)) < 0.3) Piece.Set(X, Y, KeyColour);
    return Piece;
}

template <typename TMakeCell>
TCanvas BoxSheet(TMakeCell MakeCell)
{
    TCanvas Sheet(3 * Cell, 2 * Cell);
    for (int Look = 0; Look < 3; ++Look)
        for (int Checked = 0; Checked < 2; ++Checked)
            Sheet.Paste(MakeCell(Looks[Look], Checked == 1), Look * Cell, Checked * Cell);
    return Sheet;
}

} // namespace

TCanvas MakeCheckSheet() { return BoxSheet(CheckCell); }

TCanvas MakeRadioSheet() { return BoxSheet(RadioCell); }
