#include "ui/button.h"

#include <cmath>

#include "draw/display.h"
#include "draw/text.h"
#include "sim/geometry/rounding.h"
#include "ui/hot_rect.h"
#include "ui/press.h"
#include "ui/sheets.h"

TButton CreateButton(const std::string& Caption, int X, int Y, int MinWidth, int MinHeight)
{
    TButton B;
    const Extended TextWidth = Extended(8) * static_cast<Extended>(Caption.size());
    B.Bounds.A = MakeVector(X, Y);
    B.Bounds.B = MakeVector(static_cast<double>(X + TextWidth + 10), static_cast<double>(Y + Extended(26)));
    UpdateSegment(B.Bounds);
    if (MinWidth > B.Bounds.Delta.X) {
        B.Bounds.B.X = static_cast<double>(MinWidth + static_cast<Extended>(B.Bounds.A.X));
        UpdateLength(B.Bounds.B);
        UpdateAngle(B.Bounds.B);
        UpdateSegment(B.Bounds);
    }
    if (MinHeight > B.Bounds.Delta.Y) {
        B.Bounds.B.Y = static_cast<double>(MinHeight + static_cast<Extended>(B.Bounds.A.Y));
        UpdateLength(B.Bounds.B);
        UpdateAngle(B.Bounds.B);
        UpdateSegment(B.Bounds);
    }
    B.Caption = Caption;
    return B;
}

void DrawButton(TButton& B, double OffX, double OffY)
{
    UpdateSegment(B.Bounds);
    const TVector& A = B.Bounds.A;
    const TVector& Bottom = B.Bounds.B;
    const TVector& Delta = B.Bounds.Delta;
    const int64_t L = Round(Extended(A.X) + Extended(OffX));
    const int64_t T = Round(Extended(A.Y) + Extended(OffY));
    const int64_t R = Round(Extended(Bottom.X) + Extended(OffX));
    const int64_t D = Round(Extended(Bottom.Y) + Extended(OffY));
    // Edges repeat over the span between the corners, the face over the size.
    const int64_t EdgeColumns = int64_t{Round(std::fabs(Extended(A.X) - Extended(Bottom.X)))} - 7;
    const int64_t EdgeRows = int64_t{Round(std::fabs(Extended(A.Y) - Extended(Bottom.Y)))} - 7;
    const int64_t FaceColumns = int64_t{Round(Extended(Delta.X))} - 7;
    const int64_t FaceRows = int64_t{Round(Extended(Delta.Y))} - 7;
    const int64_t S = B.Armed ? 1 : 0;
    const TNineSlice& Look = B.Armed ? ButtonArmed : ButtonNormal;

    DrawPiece(ButtonImage, Look.TopLeft, L, T + S);
    DrawPiece(ButtonImage, Look.TopRight, R - 4, T + S);
    DrawPiece(ButtonImage, Look.BottomLeft, L, D - 4 + S);
    DrawPiece(ButtonImage, Look.BottomRight, R - 4, D - 4 + S);
    DrawStretched(ButtonImage, Look.Top, L + 3, T + S, EdgeColumns, 1);
    DrawStretched(ButtonImage, Look.Bottom, L + 3, D - 4 + S, EdgeColumns, 1);
    DrawStretched(ButtonImage, Look.Left, L, T + 3 + S, 1, EdgeRows);
    DrawStretched(ButtonImage, Look.Right, R - 4, T + 3 + S, 1, EdgeRows);
    DrawStretched(ButtonImage, Look.Centre, L + 3, T + 3 + S, FaceColumns, FaceRows);

    const TVector Centre = VectorSum(A, VectorScaled(Delta, 0.5));
    const int64_t TextX = Round(Extended(Centre.X) + Extended(OffX)) - 4 * static_cast<int64_t>(B.Caption.size());
    const int64_t TextY = Round(Extended(Centre.Y) + Extended(OffY)) - 8 + S;
    const Uint32 Colour = B.Armed ? MapColour(128, 128, 128) : MapColour(0, 0, 0);
    DrawText(BlitterCoord(TextX), BlitterCoord(TextY), Colour, B.Caption, false, 0);
}

void UpdateButton(TButton& B, bool Active, double OffX, double OffY)
{
    const THotRect Hot = {ExtendedSum(B.Bounds.A.X, OffX), ExtendedSum(B.Bounds.A.Y, OffY), ExtendedSum(B.Bounds.B.X, OffX),
                          ExtendedSum(B.Bounds.B.Y, OffY)};
    UpdatePress(B.Hover, B.Armed, B.Clicked, nullptr, Active, Hot);
}
