#include "shapes.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int Samples = 8; // per axis, so 64 samples a pixel

double SegmentDistance(TPointF P, TPointF A, TPointF B)
{
    const double Dx = B.X - A.X;
    const double Dy = B.Y - A.Y;
    const double LengthSquared = Dx * Dx + Dy * Dy;
    const double T =
        LengthSquared == 0.0 ? 0.0 : std::clamp(((P.X - A.X) * Dx + (P.Y - A.Y) * Dy) / LengthSquared, 0.0, 1.0);
    return std::hypot(P.X - (A.X + T * Dx), P.Y - (A.Y + T * Dy));
}

double Cross(TPointF O, TPointF A, TPointF P) { return (A.X - O.X) * (P.Y - O.Y) - (A.Y - O.Y) * (P.X - O.X); }

} // namespace

double Coverage(int X, int Y, const std::function<bool(double, double)>& Inside)
{
    int Hits = 0;
    for (int I = 0; I < Samples; ++I)
        for (int J = 0; J < Samples; ++J)
            if (Inside(X + (I + 0.5) / Samples, Y + (J + 0.5) / Samples)) ++Hits;
    return static_cast<double>(Hits) / (Samples * Samples);
}

void FillShape(TCanvas& Canvas, const std::function<bool(double, double)>& Inside, TColour Colour)
{
    for (int Y = 0; Y < Canvas.Height(); ++Y)
        for (int X = 0; X < Canvas.Width(); ++X) Canvas.Blend(X, Y, Colour, Coverage(X, Y, Inside));
}

void FillDisc(TCanvas& Canvas, TPointF Centre, double Radius, TColour Colour)
{
    FillShape(
        Canvas, [=](double X, double Y) { return std::hypot(X - Centre.X, Y - Centre.Y) <= Radius; }, Colour);
}

void FillTriangle(TCanvas& Canvas, const std::array<TPointF, 3>& Corners, TColour Colour)
{
    FillShape(
        Canvas,
        [&](double X, double Y) {
            const TPointF P{X, Y};
            const double D0 = Cross(Corners[0], Corners[1], P);
            const double D1 = Cross(Corners[1], Corners[2], P);
            const double D2 = Cross(Corners[2], Corners[0], P);
            return (D0 >= 0 && D1 >= 0 && D2 >= 0) || (D0 <= 0 && D1 <= 0 && D2 <= 0);
        },
        Colour);
}

void StrokePolyline(TCanvas& Canvas, const std::vector<TPointF>& Points, double Thickness, TColour Colour)
{
    FillShape(
        Canvas,
        [&](double X, double Y) {
            for (size_t I = 1; I < Points.size(); ++I)
                if (SegmentDistance({X, Y}, Points[I - 1], Points[I]) <= Thickness / 2) return true;
            return false;
        },
        Colour);
}

void RoundCorner(TCanvas& Canvas, int CornerX, int CornerY, int StepX, int StepY, int Radius, TColour Outline)
{
    for (int I = 0; I < Radius; ++I)
        for (int J = 0; J < Radius; ++J) {
            const double Distance = std::hypot(Radius - (I + 0.5), Radius - (J + 0.5));
            const int X = CornerX + I * StepX;
            const int Y = CornerY + J * StepY;
            if (Distance > Radius)
                Canvas.Set(X, Y, KeyColour);
            else if (Distance > Radius - 1)
                Canvas.Set(X, Y, Outline);
        }
}
