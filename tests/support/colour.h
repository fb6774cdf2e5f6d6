#pragma once
// A pixel's colour parts, to compare drawn pixels with each other and with
// the artwork they came from.

#include <SDL.h>

struct TRgb {
    Uint8 R, G, B;
    bool operator==(const TRgb&) const = default;
};

// The colour of pixel (X, Y) of a surface of any depth.
TRgb SurfaceColour(SDL_Surface* Surface, int X, int Y);
