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
    const Extended I = RoundHalfEven(Extended(A));
    if (I >= 0 && I <= 360) return static_cast<int>(I);
    return NormalizeAngle(A);
}

TVector Refreshed(Extended X, Extended Y)
{
    return MakeVector(static_cast<double>(X), static_cast<double>(Y));
}

} // namespace

void UpdateLength(TVector& V) { V.Length = Distance(0, 0, Extended(V.X), Extended(V.Y)); }

void UpdateAngle(TVector& V) { V.Angle = DirectionAngle(0, 0, Extended(V.X), Extended(V.Y)); }

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
    return Refreshed(Extended(A.X) + Extended(B.X), Extended(A.Y) + Extended(B.Y));
}

TVector VectorDiff(const TVector& A, const TVector& B)
{
    return Refreshed(Extended(A.X) - Extended(B.X), Extended(A.Y) - Extended(B.Y));
}

TVector VectorScaled(const TVector& V, double K)
{
    return Refreshed(Extended(V.X) * Extended(K), Extended(V.Y) * Extended(K));
}

TVector PerpVector(const TVector& V) { return MakeVector(-V.Y, V.X); }

void AddVector(TVector& V, const TVector& W)
{
    V.X = static_cast<double>(Extended(V.X) + Extended(W.X));
    V.Y = static_cast<double>(Extended(V.Y) + Extended(W.Y));
}

void SubVector(TVector& V, const TVector& W)
{
    V.X = static_cast<double>(Extended(V.X) - Extended(W.X));
    V.Y = static_cast<double>(Extended(V.Y) - Extended(W.Y));
}

void ScaleVector(TVector& V, double K)
{
    V.X = static_cast<double>(Extended(V.X) * Extended(K));
    V.Y = static_cast<double>(Extended(V.Y) * Extended(K));
}

void SetVectorLength(TVector& V, double L)
{
    if (V.Length == 0) {
        V.X = 0;
        V.Y = 0;
    } else {
        V.X = static_cast<double>(Extended(V.X) / Extended(V.Length) * Extended(L));
        V.Y = static_cast<double>(Extended(V.Y) / Extended(V.Length) * Extended(L));
    }
    UpdateLength(V);
}

void SetVectorAngle(TVector& V, double A)
{
    const int I = TableIndex(A);
    V.X = static_cast<double>(CosTable[I] * Extended(V.Length));
    V.Y = static_cast<double>(SinTable[I] * Extended(V.Length));
    UpdateAngle(V);
}

void RotateVector(TVector& V, double D)
{
    const int A = NormalizeAngle(static_cast<double>(Extended(V.Angle) + Extended(D)));
    V.Angle = A;
    V.X = static_cast<double>(CosTable[A] * Extended(V.Length));
    V.Y = static_cast<double>(SinTable[A] * Extended(V.Length));
}

void ReflectVector(TVector& V, const TVector& M)
{
    if (V.Angle == M.Angle || Extended(V.Angle) == 360 - Extended(M.Angle)) {
        SetVectorAngle(V, static_cast<double>(360 - Extended(V.Angle)));
    } else {
        V.Angle = NormalizeAngle(static_cast<double>(2 * Extended(M.Angle) - Extended(V.Angle)));
        UpdateLength(V);
        SetVectorAngle(V, V.Angle);
    }
}

bool SameVector(const TVector& A, const TVector& B)
{
    // Floor(|d|) = 0 exactly when |d| < 1; a NaN difference passes neither.
    return std::fabs(Extended(A.X) - Extended(B.X)) < 1 && std::fabs(Extended(A.Y) - Extended(B.Y)) < 1;
}

bool SameVectorPlain(const TVector& A, const TVector& B)
{
    return std::floor(std::fabs(Extended(A.X) - Extended(B.X))) == 0 &&
           std::floor(std::fabs(Extended(A.Y) - Extended(B.Y))) == 0;
}

void SwapVectors(TVector& A, TVector& B) { std::swap(A, B); }
