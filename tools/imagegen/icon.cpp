// The program's icon: a miniature of its own window, with the blue title
// bar and roll-up box of the window sheet, over the black display showing a
// tornado funnel above a fire.

#include <algorithm>
#include <cmath>
#include <functional>

#include "palette.h"
#include "shapes.h"
#include "sheets.h"

namespace {

constexpr TColour Black{0, 0, 0};

// FillShape, looking only at the pixels of the box (X0, Y0)-(X1, Y1): the
// icon's shapes are small beside the 256-pixel canvas.
void FillInBox(TCanvas& Canvas, double X0, double Y0, double X1, double Y1,
               const std::function<bool(double, double)>& Inside, TColour Colour)
{
    const int Left = std::max(0, static_cast<int>(std::floor(X0)));
    const int Top = std::max(0, static_cast<int>(std::floor(Y0)));
    const int Right = std::min(Canvas.Width() - 1, static_cast<int>(std::ceil(X1)));
    const int Bottom = std::min(Canvas.Height() - 1, static_cast<int>(std::ceil(Y1)));
    for (int Y = Top; Y <= Bottom; ++Y)
        for (int X = Left; X <= Right; ++X) Canvas.Blend(X, Y, Colour, Coverage(X, Y, Inside));
}

struct TFrame {
    double U;                // one pixel of the 48-pixel design
    int Left, Top, Right, Bottom; // the window's outer edge, inclusive
    int TitleBottom;         // the first row below the title bar
    int Inset;               // the frame's width around the display
};

void DrawWindow(TCanvas& Icon, const TFrame& F)
{
    using namespace Palette;
    Icon.FillRect(F.Left, F.Top, F.Right - F.Left + 1, F.Bottom - F.Top + 1, TitleOutline);
    for (int Y = F.Top + 1; Y < F.TitleBottom; ++Y)
        Icon.FillRect(F.Left + 1, Y, F.Right - F.Left - 1, 1,
                      Mix(TitleTop, TitleBottom, (Y - F.Top - 1) / double(std::max(1, F.TitleBottom - F.Top - 2))));
    Icon.FillRect(F.Left + 1, F.Top + 1, F.Right - F.Left - 1, std::max(1, int(F.U)), TitleGloss);
    Icon.FillRect(F.Left + 1, F.TitleBottom, F.Right - F.Left - 1, F.Bottom - F.TitleBottom, FrameFace);
    Icon.FillRect(F.Left + F.Inset - 1, F.TitleBottom, F.Right - F.Left - 2 * F.Inset + 3,
                  F.Bottom - F.TitleBottom - F.Inset + 2, FrameInner);
    Icon.FillRect(F.Left + F.Inset, F.TitleBottom, F.Right - F.Left - 2 * F.Inset + 1,
                  F.Bottom - F.TitleBottom - F.Inset + 1, Black);

    // The roll-up box at the title bar's right end, with its white chevron.
    const double BoxSize = F.TitleBottom - F.Top - 4 * F.U;
    const double BoxLeft = F.Right - 2 * F.U - BoxSize;
    const double BoxTop = F.Top + 2 * F.U;
    const double Radius = 1.5 * F.U;
    FillInBox(Icon, BoxLeft, BoxTop, BoxLeft + BoxSize, BoxTop + BoxSize,
              [&](double X, double Y) {
                  const double Dx = std::max({BoxLeft + Radius - X, X - (BoxLeft + BoxSize - Radius), 0.0});
                  const double Dy = std::max({BoxTop + Radius - Y, Y - (BoxTop + BoxSize - Radius), 0.0});
                  return X >= BoxLeft && X <= BoxLeft + BoxSize && Y >= BoxTop && Y <= BoxTop + BoxSize &&
                         Dx * Dx + Dy * Dy <= Radius * Radius;
              },
              RollUpBottom);
    FillInBox(Icon, BoxLeft, BoxTop, BoxLeft + BoxSize, BoxTop + BoxSize,
              [&](double X, double Y) {
                  return X >= BoxLeft + F.U && X <= BoxLeft + BoxSize - F.U && Y >= BoxTop + F.U &&
                         Y <= BoxTop + BoxSize / 2;
              },
              RollUpTop);
    const double Mid = BoxLeft + BoxSize / 2;
    const double Arm = BoxSize * 0.28;
    StrokePolyline(Icon, {{Mid - Arm, BoxTop + BoxSize * 0.62}, {Mid, BoxTop + BoxSize * 0.38},
                          {Mid + Arm, BoxTop + BoxSize * 0.62}},
                   std::max(1.0, 1.6 * F.U), RollUpChevron);

    RoundCorner(Icon, F.Left, F.Top, 1, 1, std::max(2, int(std::lround(3 * F.U))), TitleOutline);
    RoundCorner(Icon, F.Right, F.Top, -1, 1, std::max(2, int(std::lround(3 * F.U))), TitleOutline);
    RoundCorner(Icon, F.Left, F.Bottom, 1, -1, std::max(2, int(std::lround(2 * F.U))), TitleOutline);
    RoundCorner(Icon, F.Right, F.Bottom, -1, -1, std::max(2, int(std::lround(2 * F.U))), TitleOutline);
}

// Heat from dark red to yellow, as the fire screen shows it.
TColour Flame(double Heat)
{
    const TColour DarkRed{96, 8, 0};
    const TColour Red{210, 40, 0};
    const TColour Orange{255, 140, 0};
    const TColour Yellow{255, 236, 120};
    if (Heat < 1.0 / 3) return Mix(DarkRed, Red, Heat * 3);
    if (Heat < 2.0 / 3) return Mix(Red, Orange, Heat * 3 - 1);
    return Mix(Orange, Yellow, Heat * 3 - 2);
}

void DrawFire(TCanvas& Icon, int Left, int Right, int Bottom, double U)
{
    for (int X = Left; X <= Right; ++X) {
        const double At = (X - Left) / U;
        const double Height = U * (7.0 + 2.5 * std::sin(At * 0.55) + 1.8 * std::sin(At * 1.3 + 1.0));
        for (int Y = Bottom; Y > Bottom - Height; --Y) {
            const double Heat = 1.0 - (Bottom - Y) / Height;
            Icon.Set(X, Y, Mix(Black, Flame(Heat), std::min(1.0, Heat * 2.5)));
        }
    }
}

// Rings of the funnel, narrow at its base and wider as they rise, each
// leaning a little further as the upper rings trail the base.
void DrawFunnel(TCanvas& Icon, double CentreX, double BaseY, double TopY, double U)
{
    constexpr int Rings = 6;
    for (int Ring = Rings - 1; Ring >= 0; --Ring) {
        const double T = Ring / double(Rings - 1);
        const double Y = BaseY + (TopY - BaseY) * T;
        const double X = CentreX + 3.0 * U * T * T;
        const double Radius = U * (1.5 + 10.0 * T * T + 2.0 * T);
        const double A = Radius;        // the orbit's half width
        const double B = Radius * 0.28; // and half height: seen from the side
        const double HalfStroke = std::max(1.0, 1.2 * U) / 2;
        // Distance from the ellipse, to first order: how far the ellipse's
        // level function is from 1, over its slope.
        const auto OnOrbit = [&](double Px, double Py) {
            const double Dx = Px - X;
            const double Dy = Py - Y;
            const double K = std::hypot(Dx / A, Dy / B);
            if (K == 0.0) return false;
            const double Slope = std::hypot(Dx / (A * A * K), Dy / (B * B * K));
            return std::abs(K - 1) <= HalfStroke * Slope;
        };
        FillInBox(Icon, X - A - 2 * HalfStroke, Y - B - 2 * HalfStroke, X + A + 2 * HalfStroke,
                  Y + B + 2 * HalfStroke, OnOrbit, Mix(TColour{150, 156, 168}, TColour{255, 255, 255}, T));
    }
}

} // namespace

TCanvas MakeIcon(int Size)
{
    TCanvas Icon(Size, Size);
    TFrame F;
    F.U = Size / 48.0;
    F.Left = static_cast<int>(std::lround(1 * F.U));
    F.Right = Size - 1 - F.Left;
    F.Top = static_cast<int>(std::lround(3 * F.U));
    F.Bottom = Size - 1 - F.Top;
    F.TitleBottom = F.Top + static_cast<int>(std::lround(10 * F.U));
    F.Inset = std::max(2, static_cast<int>(std::lround(2 * F.U)));
    DrawWindow(Icon, F);

    const int DisplayLeft = F.Left + F.Inset;
    const int DisplayRight = F.Right - F.Inset;
    const int DisplayBottom = F.Bottom - F.Inset;
    DrawFire(Icon, DisplayLeft, DisplayRight, DisplayBottom, F.U);
    DrawFunnel(Icon, (DisplayLeft + DisplayRight) / 2.0 - 2 * F.U, DisplayBottom - 7 * F.U,
               F.TitleBottom + 6 * F.U, F.U);
    return Icon;
}
