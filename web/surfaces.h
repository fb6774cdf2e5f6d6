#pragma once
// SDL 1.2's software surfaces as the browser layer keeps them, in SDL's own
// memory layout (SDL_Surface, SDL_PixelFormat from SDL 1.2's headers). The
// formats are the ones the program meets: 24-bit (loaded sheets) and 32-bit
// pixels (the display and its copies), red, green and blue in bytes 2, 1, 0,
// no alpha channel, no palette. Anything else is refused with an error, as
// SDL refuses what it cannot do. These operations know nothing of the
// browser: they also build natively, where a test holds them to
// sdl12-compat's pixel for pixel.

#include <SDL.h>

#include <cstddef>

namespace WebSdl {

// A zeroed surface; Depth 24 or 32, masks those of the supported format or
// all zero for it. Null, with the reason in GetError, for anything else.
SDL_Surface* CreateSurface(Uint32 Flags, int Width, int Height, int Depth, Uint32 Rmask, Uint32 Gmask,
                           Uint32 Bmask, Uint32 Amask);
void FreeSurface(SDL_Surface* Surface);

Uint32 MapRGB(const SDL_PixelFormat* Format, Uint8 Red, Uint8 Green, Uint8 Blue);
void GetRGB(Uint32 Pixel, const SDL_PixelFormat* Format, Uint8* Red, Uint8* Green, Uint8* Blue);

// Fills Rect (null: the whole surface) cut to the clipping rectangle, which
// is written back into Rect.
int FillRect(SDL_Surface* Surface, SDL_Rect* Rect, Uint32 Colour);

// SDL_SRCCOLORKEY in Flag sets the key, without it the key is off; the RLE
// flag asks for nothing here, the pixels stay plain.
int SetColorKey(SDL_Surface* Surface, Uint32 Flag, Uint32 Key);

// SDL_SRCALPHA in Flag gives the surface per-surface alpha Alpha; without
// it the alpha is off (and reads 255).
int SetAlpha(SDL_Surface* Surface, Uint32 Flag, Uint8 Alpha);

// A copy of Source in Like's pixel format, keeping its colour key (mapped
// to the new format) and its per-surface alpha, as SDL_DisplayFormat does.
SDL_Surface* ConvertSurface(SDL_Surface* Source, const SDL_PixelFormat* Like);

// SDL_UpperBlit: cuts SourceRect (null: all of Source) to Source and the
// target to Destination's clipping rectangle, writes the drawn rectangle
// back into DestinationRect (null: at 0, 0) and blends as sdl12-compat
// does for the supported formats.
int UpperBlit(SDL_Surface* Source, SDL_Rect* SourceRect, SDL_Surface* Destination, SDL_Rect* DestinationRect);

// A 24-bit uncompressed BMP file held in memory, as SDL_LoadBMP_RW reads it.
SDL_Surface* LoadBMP(const Uint8* Bytes, size_t Size);

} // namespace WebSdl
