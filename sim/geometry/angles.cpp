#include "sim/geometry/angles.h"

#include <cmath>

#include "sim/geometry/trigonometry.h"

Extended CosTable[361];
Extended SinTable[361];

namespace {
constexpr Extended Pi = 3.141592653589793238462643383279502884L;
}

void InitAngleTables()
{
    for (int I = 0; I <= 360; ++I) {
        const Extended Radians = I * (Pi / 180);
        CosTable[I] = Cosine(Radians);
        SinTable[I] = Sine(Radians);
    }
}

int NormalizeAngle(double A)
{
    if (!std::isfinite(A)) return 0;
    // Below 2^56 in size every whole turn that NormalizeAnglePlain adds or
    // takes away is exact (360 is a multiple of the spacing of such
    // doubles), so all its turns but the last add up to the exact
    // remainder: fmod finds it in one step. Within one turn of the range
    // that remainder is the argument itself (below 0) or the argument less
    // 360, which is exact (above 360). Only the last turn up from below 0
    // may round, and it is made here as there.
    if (A < 0) {
        if (A <= -360) A = std::fmod(A, 360.0);
        if (A < 0) A += 360.0;
    } else if (A > 360) {
        A = A < 720 ? A - 360.0 : std::fmod(A, 360.0);
    }
    return Round(Extended(A));
}

int NormalizeAnglePlain(double A)
{
    if (!std::isfinite(A)) return 0;
    if (A < 0) {
        while (A < 0) A += 360;
    } else if (A > 360) {
        while (A >= 360) A -= 360;
    }
    return RoundPlain(Extended(A));
}

double DirectionAngle(Extended X1, Extended Y1, Extended X2, Extended Y2)
{
    if (Y2 == Y1) return X2 < X1 ? 180 : 0;
    const Extended T = ArcTangent((X1 - X2) / (Y1 - Y2)) * (180 / Pi);
    return static_cast<double>(Y2 < Y1 ? 270 - T : 90 - T);
}

TPoint RotatePoint(double X, double Y, double CX, double CY, double Angle)
{
    const int A = NormalizeAngle(Angle);
    const Extended C = CosTable[A];
    const Extended S = SinTable[A];
    const Extended Dx = Extended(X) - Extended(CX);
    const Extended Dy = Extended(Y) - Extended(CY);
    const double Rx = static_cast<double>(Dx * C - Dy * S);
    const double Ry = static_cast<double>(Dx * S + Dy * C);
    return TPoint{Round(Extended(CX) + Extended(Rx)), Round(Extended(CY) + Extended(Ry))};
}
