#include "draw/vector_draw.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>

#include "draw/display.h"
#include "draw/pixels.h"
#include "draw/surface_lock.h"
#include "sim/geometry/angles.h"

namespace {

// Sum of two rounded coordinates, held at int's limits instead of overflowing.
int SaturatingSum(int A, int B)
{
    return static_cast<int>(std::clamp<int64_t>(static_cast<int64_t>(A) + B, INT_MIN, INT_MAX));
}

// The caller holds the lock on Screen: taking it per dot costs more than the dot.
void PlotDot(Extended X, Extended Y, Uint32 Colour, bool Thick)
{
    const Extended Px = RoundHalfEven(X);
    const Extended Py = RoundHalfEven(Y);
    PutPixel(Screen, Colour, true, static_cast<double>(Px), static_cast<double>(Py));
    if (!Thick) return;
    PutPixel(Screen, Colour, true, static_cast<double>(Px - 1), static_cast<double>(Py));
    PutPixel(Screen, Colour, true, static_cast<double>(Px + 1), static_cast<double>(Py));
    PutPixel(Screen, Colour, true, static_cast<double>(Px), static_cast<double>(Py - 1));
    PutPixel(Screen, Colour, true, static_cast<double>(Px), static_cast<double>(Py + 1));
}

// NaN and infinities have no pixel; rounding would put them on the centre
// or the edge of the int range instead.
bool HasPixels(const TVector& V) { return std::isfinite(V.X) && std::isfinite(V.Y); }

} // namespace

void DrawArrow(const TVector& V, Uint32 Colour, const TVector& At, double Scale)
{
    const Extended Dx = Extended(V.X) * Extended(Scale);
    const Extended Dy = Extended(V.Y) * Extended(Scale);
    if (!HasPixels(At) || !std::isfinite(Dx) || !std::isfinite(Dy)) return;
    const int X0 = Round(Extended(At.X));
    const int Y0 = Round(Extended(At.Y));
    const int Tx = SaturatingSum(X0, Round(Dx));
    const int Ty = SaturatingSum(Y0, Round(Dy));
    DrawLine(Screen, X0, Y0, Tx, Ty, Colour);
    for (const Extended Turn : {Extended(30), Extended(-30)}) {
        const TPoint Barb = RotatePoint(static_cast<double>(static_cast<Extended>(Tx) - 10), Ty, Tx, Ty,
                                        static_cast<double>(Extended(V.Angle) + Turn));
        DrawLine(Screen, Tx, Ty, Barb.X, Barb.Y, Colour);
    }
}

void DrawSegment(const TSegment& S, Uint32 Colour)
{
    if (!HasPixels(S.A) || !HasPixels(S.B)) return;
    DrawLine(Screen, Round(Extended(S.A.X)), Round(Extended(S.A.Y)),
             Round(Extended(S.B.X)), Round(Extended(S.B.Y)), Colour);
}

void DrawDot(const TVector& P, Uint32 Colour, bool Thick) { PlotDot(Extended(P.X), Extended(P.Y), Colour, Thick); }

void DrawDotAt(const TVector& V, Uint32 Colour, const TVector& Base, double SX, double SY, bool Thick)
{
    PlotDot(Extended(V.X) * Extended(SX) + Extended(Base.X),
            Extended(V.Y) * Extended(SY) + Extended(Base.Y), Colour, Thick);
}
