#include "sim/geometry/vector.h"

#include <cmath>
#include <utility>

#include "sim/geometry/angles.h"
#include "sim/geometry/geometry.h"

namespace {

// The table index for a whole-degree angle; callers pass angles that round
// into 0..360, anything else is wrapped rather than read out of the table.
int TableIndex(double A)
{
    const Extended I = RoundHalfEven(A);
    if (I >= 0 && I <= 360) return static_cast<int>(I);
    return NormalizeAngle(A);
}

TVector Refreshed(Extended X, Extended Y)
{
    return MakeVector(static_cast<double>(X), static_cast<double>(Y));
}

} // namespace

void UpdateLength(TVector& V) { V.Length = Distance(0, 0, V.X, V.Y); }

void UpdateAngle(TVector& V) { V.Angle = DirectionAngle(0, 0, V.X, V.Y); }

void SetVector(TVector& V, double X, double Y)
{
    V.X = X;
    V.Y = Y;
    UpdateLength(V);
    UpdateAngle(V);
}

TVector MakeVector(double X, double Y)
{
    TVector V;
    SetVector(V, X, Y);
    return V;
}

TVector NegatedVector(const TVector& V) { return MakeVector(-V.X, -V.Y); }

TVector VectorSum(const TVector& A, const TVector& B)
{
    return Refreshed(static_cast<Extended>(A.X) + B.X, static_cast<Extended>(A.Y) + B.Y);
}

TVector VectorDiff(const TVector& A, const TVector& B)
{
    return Refreshed(static_cast<Extended>(A.X) - B.X, static_cast<Extended>(A.Y) - B.Y);
}

TVector VectorScaled(const TVector& V, double K)
{
    return Refreshed(static_cast<Extended>(V.X) * K, static_cast<Extended>(V.Y) * K);
}

TVector PerpVector(const TVector& V) { return MakeVector(-V.Y, V.X); }

void AddVector(TVector& V, const TVector& W)
{
    V.X = static_cast<double>(static_cast<Extended>(V.X) + W.X);
    V.Y = static_cast<double>(static_cast<Extended>(V.Y) + W.Y);
}

void SubVector(TVector& V, const TVector& W)
{
    V.X = static_cast<double>(static_cast<Extended>(V.X) - W.X);
    V.Y = static_cast<double>(static_cast<Extended>(V.Y) - W.Y);
}

void ScaleVector(TVector& V, double K)
{
    V.X = static_cast<double>(static_cast<Extended>(V.X) * K);
    V.Y = static_cast<double>(static_cast<Extended>(V.Y) * K);
}

void SetVectorLength(TVector& V, double L)
{
    if (V.Length == 0) {
        V.X = 0;
        V.Y = 0;
    } else {
        V.X = static_cast<double>(static_cast<Extended>(V.X) / V.Length * L);
        V.Y = static_cast<double>(static_cast<Extended>(V.Y) / V.Length * L);
    }
    UpdateLength(V);
}

void SetVectorAngle(TVector& V, double A)
{
    const int I = TableIndex(A);
    V.X = static_cast<double>(CosTable[I] * V.Length);
    V.Y = static_cast<double>(SinTable[I] * V.Length);
    UpdateAngle(V);
}

void RotateVector(TVector& V, double D)
{
    const int A = NormalizeAngle(static_cast<double>(static_cast<Extended>(V.Angle) + D));
    V.Angle = A;
    V.X = static_cast<double>(CosTable[A] * V.Length);
    V.Y = static_cast<double>(SinTable[A] * V.Length);
}

void ReflectVector(TVector& V, const TVector& M)
{
    if (V.Angle == M.Angle || V.Angle == 360 - static_cast<Extended>(M.Angle)) {
        SetVectorAngle(V, static_cast<double>(360 - static_cast<Extended>(V.Angle)));
    } else {
        V.Angle = NormalizeAngle(static_cast<double>(2 * static_cast<Extended>(M.Angle) - V.Angle));
        UpdateLength(V);
        SetVectorAngle(V, V.Angle);
    }
}

bool SameVector(const TVector& A, const TVector& B)
{
    // Floor(|d|) = 0 exactly when |d| < 1; a NaN difference passes neither.
    return std::fabs(static_cast<Extended>(A.X) - B.X) < 1 && std::fabs(static_cast<Extended>(A.Y) - B.Y) < 1;
}

void SwapVectors(TVector& A, TVector& B) { std::swap(A, B); }
