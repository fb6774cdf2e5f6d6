#pragma once
// Reads the colour of one pixel of a sprite sheet, whatever its depth, to
// compare drawn pixels with the artwork they came from.

#include <SDL.h>
#include <cstring>

#include "support/headless.h"

inline TRgb SheetColour(SDL_Surface* Sheet, int X, int Y)
{
    SDL_LockSurface(Sheet);
    const int Bytes = Sheet->format->BytesPerPixel;
    const auto* Pixel = static_cast<const Uint8*>(Sheet->pixels) + Y * Sheet->pitch + X * Bytes;
    Uint32 Value = 0;
    if (Bytes == 3)
        Value = SDL_BYTEORDER == SDL_LIL_ENDIAN ? Pixel[0] | Pixel[1] << 8 | Pixel[2] << 16
                                                : Pixel[2] | Pixel[1] << 8 | Pixel[0] << 16;
    else
        std::memcpy(&Value, Pixel, static_cast<size_t>(Bytes));
    SDL_UnlockSurface(Sheet);
    TRgb C{};
    SDL_GetRGB(Value, Sheet->format, &C.R, &C.G, &C.B);
    return C;
}

inline bool IsKey(SDL_Surface* Sheet, int X, int Y)
{
    return SheetColour(Sheet, X, Y) == TRgb{255, 0, 255};
}
