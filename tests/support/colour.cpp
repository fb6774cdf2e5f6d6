#include "support/colour.h"

TRgb SurfaceColour(SDL_Surface* Surface, int X, int Y)
{
    SDL_LockSurface(Surface);
    const int Bytes = Surface->format->BytesPerPixel;
    const Uint8* Pixel = static_cast<const Uint8*>(Surface->pixels) + Y * Surface->pitch + X * Bytes;
    Uint32 Value = 0;
    for (int I = 0; I < Bytes; ++I) { // the pixel's bytes in the machine's order
        const int Shift = SDL_BYTEORDER == SDL_LIL_ENDIAN ? 8 * I : 8 * (Bytes - 1 - I);
        Value |= static_cast<Uint32>(Pixel[I]) << Shift;
    }
    SDL_UnlockSurface(Surface);
    TRgb C{};
    SDL_GetRGB(Value, Surface->format, &C.R, &C.G, &C.B);
    return C;
}
