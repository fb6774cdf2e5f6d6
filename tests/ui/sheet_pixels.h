#pragma once
// The colour of one pixel of a sprite sheet, to compare drawn pixels with
// the artwork they came from.

#include <SDL.h>
#include <cstring>

#include "support/headless.h"

inline TRgb SheetColour(SDL_Surface* Sheet, int X, int Y)
{
    SDL_LockSurface(Sheet);
    const int Bytes = Sheet->format->BytesPerPixel;
    Uint32 Value = 0; // little-endian bytes, as SDL keeps 24-bit pixels on this platform
    std::memcpy(&Value, static_cast<const Uint8*>(Sheet->pixels) + Y * Sheet->pitch + X * Bytes,
                static_cast<size_t>(Bytes));
    SDL_UnlockSurface(Sheet);
    TRgb C{};
    SDL_GetRGB(Value, Sheet->format, &C.R, &C.G, &C.B);
    return C;
}
