#pragma once
// Pixel-level drawing: single pixels, lines, and sprite copies that paint a
// sprite's shape in one colour.
//
// Two conventions meet here. PutPixel is one-based: (1, 1) is the top-left
// pixel and only 1..800 x 1..600 is written. GetPixel is zero-based. Text and
// silhouettes therefore land one pixel up and left of where a blit would.
// Both touch only 4-byte pixels inside the surface they are given, and take
// no lock: the caller holds a TSurfaceLock on it (surface_lock.h).

#include <SDL.h>
#include <cstdint>

#include "sim/geometry/point.h"

// Writes Colour at (X, Y) rounded half to even, one-based, plus the Origin
// when Centred. Anything outside 1..800 x 1..600 or outside Surface, NaN and
// infinities included, is skipped.
void PutPixel(SDL_Surface* Surface, Uint32 Colour, bool Centred, double X, double Y);

// The 4-byte pixel at zero-based (X, Y); 0 outside the surface.
Uint32 GetPixel(SDL_Surface* Surface, int X, int Y);

// Paints every pixel of SourceRect that is not the source's colour key in
// Colour, through PutPixel, at Base + (X, Y) (+ Origin when Centred).
void BlitColoured(SDL_Surface* Source, const SDL_Rect& SourceRect, SDL_Surface* Destination,
                  const SDL_Rect& Base, Uint32 Colour, int X, int Y, bool Centred);

// Blends the flat-colour silhouette of SourceRect over Destination with
// per-surface Alpha, one pixel up and left of where BlitAt would put it.
// A fast path (docs/exactness.md): BlitTintedPlain's pixels without the
// copy, wherever the program's own blend matches SDL's.
void BlitTinted(SDL_Surface* Source, const SDL_Rect& SourceRect, SDL_Surface* Destination,
                const SDL_Rect& Base, Uint32 Colour, Uint8 Alpha, int X, int Y, bool Centred);

// The reference BlitTinted is held to, and its way where the blend differs:
// the source copied to the display's format, cleared to its colour key, the
// shape written with PutPixel, and the copy blitted by SDL with Alpha.
void BlitTintedPlain(SDL_Surface* Source, const SDL_Rect& SourceRect, SDL_Surface* Destination,
                       const SDL_Rect& Base, Uint32 Colour, Uint8 Alpha, int X, int Y, bool Centred);

// The point at T along (X1, Y1)-(X2, Y2), each coordinate rounded half to even.
TPoint LerpPoint(double X1, double Y1, double X2, double Y2, double T);

// A centred line of n = Round(length) points at T = i/n for i = 1..n: the
// start point is not plotted, the end point always is. A fast path
// (docs/exactness.md): DrawLinePlain's pixels, with only the points that can
// land on the display worked out, in whole numbers for lines of up to 2^19
// points.
void DrawLine(SDL_Surface* Surface, int X1, int Y1, int X2, int Y2, Uint32 Colour);

// The reference DrawLine is held to: every one of the n points through
// LerpPoint and PutPixel, however many lie off the display. Used only by tests.
void DrawLinePlain(SDL_Surface* Surface, int X1, int Y1, int X2, int Y2, Uint32 Colour);
