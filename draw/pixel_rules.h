#pragma once
// The rules of SDL's pixels that the program's own pixel loops follow, each
// stated once with the reason for it: the keyed blits (keyed_blit.h), the
// fire's blend (sim/fire/fire_draw.h), the sheets read once
// (sheet_pixels.h) and the browser layer's SDL (web/). A loop that keeps
// to them leaves the bytes SDL's own blit leaves.
//
//   the display format    which surfaces the loops may touch at all
//   the clip clamp        where on a surface they may write
//   the pixel address     where pixel (X, Y) lies in memory
//   the two blends        what per-surface alpha does to a pixel

#include <SDL.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>

// The display format: 32 bits a pixel, red, green and blue in bits 16, 8
// and 0, the top byte no colour. The loops read and write the fields at
// these shifts, so they run only on this layout; any other surface is left
// to SDL.
inline constexpr uint32_t RedMask = 0x00FF0000u;
inline constexpr uint32_t GreenMask = 0x0000FF00u;
inline constexpr uint32_t BlueMask = 0x000000FFu;
inline constexpr uint32_t ColourBits = RedMask | GreenMask | BlueMask;

// F has the display's layout of fields (no palette, no alpha channel),
// whatever its number of bytes a pixel: a sheet may have 3.
inline bool HasDisplayLayout(const SDL_PixelFormat* F)
{
    return F != nullptr && F->palette == nullptr && F->Rmask == RedMask && F->Gmask == GreenMask &&
           F->Bmask == BlueMask && F->Amask == 0;
}

// F is the display format itself: that layout in 4 bytes a pixel.
inline bool IsDisplayFormat(const SDL_PixelFormat* F) { return HasDisplayLayout(F) && F->BytesPerPixel == 4; }

// The clip clamp: the columns Left .. Right - 1 and rows Top .. Bottom - 1
// a blit onto S may write. SDL keeps the clipping rectangle inside the
// surface; the loops write without checking each pixel, so it is held to
// the surface all the same, and worked out in 64 bits, beyond the 16 bits
// of SDL_Rect's sums.
struct TPixelBounds {
    int64_t Left, Top, Right, Bottom;
};

inline TPixelBounds ClipBounds(const SDL_Surface* S)
{
    const SDL_Rect& Clip = S->clip_rect;
    return {std::max<int64_t>(Clip.x, 0), std::max<int64_t>(Clip.y, 0),
            std::min<int64_t>(static_cast<int64_t>(Clip.x) + Clip.w, S->w),
            std::min<int64_t>(static_cast<int64_t>(Clip.y) + Clip.h, S->h)};
}

// The pixel address: rows lie pitch bytes apart (a row may end in padding,
// so never Width times the pixel's bytes), pixels BytesPerPixel apart
// within a row. The offset is taken in ptrdiff_t, as a large surface's
// would overflow int. A pixel's value is its bytes read little-endian: a
// 24-bit pixel is the low three bytes of the 32-bit value.
inline Uint8* PixelAddress(SDL_Surface* S, int X, int Y)
{
    return static_cast<Uint8*>(S->pixels) + static_cast<std::ptrdiff_t>(Y) * S->pitch +
           static_cast<std::ptrdiff_t>(X) * S->format->BytesPerPixel;
}

inline const Uint8* PixelAddress(const SDL_Surface* S, int X, int Y)
{
    return static_cast<const Uint8*>(S->pixels) + static_cast<std::ptrdiff_t>(Y) * S->pitch +
           static_cast<std::ptrdiff_t>(X) * S->format->BytesPerPixel;
}

// The two blends of a source pixel S over a display pixel D with
// per-surface alpha A (0 invisible, 255 opaque). The desktop's SDL
// (sdl12-compat over SDL 2) has two blitters for it, and which one runs
// depends on the source: the program's pictures are those of both.

// The desktop SDL's blend, for a colour-keyed source (the sprite sheets)
// or a 24-bit one: each field D + (S - D) * A / 255, the quotient truncated
// toward zero, the top byte 0. A from 1 to 255 (at 0 nothing is drawn).
inline uint32_t FractionBlend(uint32_t D, uint32_t S, int A)
{
    const auto Field = [&](int Shift) {
        const int Dv = static_cast<int>((D >> Shift) & 0xFFu);
        const int Sv = static_cast<int>((S >> Shift) & 0xFFu);
        return static_cast<uint32_t>(Dv + (Sv - Dv) * A / 255) << Shift;
    };
    return Field(16) | Field(8) | Field(0);
}

// SDL 1.2's blend, which SDL 2 keeps for a 32-bit source without colour
// key (the fire's scratch pixel): A 0 leaves D; A 255 copies S's fields,
// the top byte 0; A 128 takes each field to (S + D) / 2 rounded down, the
// top byte 0; any other A takes each field to D + floor((S - D) * A / 256)
// (the shift of a negative product rounds down) and keeps D's top byte.
inline uint32_t ShiftedBlend(uint32_t D, uint32_t S, uint8_t A)
{
    const auto Half = [&](int Shift) { return ((((D >> Shift) & 0xFFu) + ((S >> Shift) & 0xFFu)) >> 1) << Shift; };
    const auto Field = [&](int Shift) {
        const int Dv = static_cast<int>((D >> Shift) & 0xFFu);
        const int Sv = static_cast<int>((S >> Shift) & 0xFFu);
        return static_cast<uint32_t>(Dv + (((Sv - Dv) * A) >> 8)) << Shift;
    };
    switch (A) {
    case 0: return D;
    case 255: return S & ColourBits;
    case 128: return Half(16) | Half(8) | Half(0);
    default: return (D & ~ColourBits) | Field(16) | Field(8) | Field(0);
    }
}
