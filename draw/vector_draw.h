#pragma once
// Drawing vectors, segments and dots on Screen, in centred coordinates.
// Everything off the display is skipped, however far away it is; a vector
// or segment with a NaN or infinite coordinate draws nothing.

#include <SDL.h>

#include "sim/geometry/segment.h"

// A line from At along V * Scale with a two-barbed head of 10-pixel barbs
// at 30 degrees either side of the shaft.
void DrawArrow(const TVector& V, Uint32 Colour, const TVector& At, double Scale);

// A line between the rounded end points of S.
void DrawSegment(const TSegment& S, Uint32 Colour);

// The pixel at the rounded P; Thick adds its four neighbours (a plus sign).
// Like PutPixel, the dots take no lock: the caller holds a TSurfaceLock on
// Screen around all of its dots.
void DrawDot(const TVector& P, Uint32 Colour, bool Thick);

// DrawDot at (V.X * SX + Base.X, V.Y * SY + Base.Y), each sum rounded as a whole.
void DrawDotAt(const TVector& V, Uint32 Colour, const TVector& Base, double SX, double SY, bool Thick);
