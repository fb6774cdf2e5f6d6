#pragma once
// The one pixel layout the browser layer's surfaces have, and the small
// helpers its surface operations share.

#include <SDL.h>

#include <algorithm>
#include <cstring>

namespace WebSdl {

constexpr Uint32 RedMask = 0x00FF0000u;
constexpr Uint32 GreenMask = 0x0000FF00u;
constexpr Uint32 BlueMask = 0x000000FFu;
constexpr Uint32 ColourBits = 0x00FFFFFFu;

// 24 or 32 bits, red, green, blue at bits 16, 8, 0, no alpha, no palette.
inline bool IsSupported(const SDL_PixelFormat* F)
{
    return F != nullptr && F->palette == nullptr && (F->BytesPerPixel == 3 || F->BytesPerPixel == 4) &&
           F->Rmask == RedMask && F->Gmask == GreenMask && F->Bmask == BlueMask && F->Amask == 0;
}

inline Uint8* PixelAt(SDL_Surface* S, int X, int Y)
{
    return static_cast<Uint8*>(S->pixels) + static_cast<std::ptrdiff_t>(Y) * S->pitch +
           static_cast<std::ptrdiff_t>(X) * S->format->BytesPerPixel;
}

// Pixels are little-endian: a 24-bit one is the low three bytes.
inline Uint32 ReadPixel(const Uint8* P, int Bytes)
{
    Uint32 Value = 0;
    std::memcpy(&Value, P, static_cast<size_t>(Bytes));
    return Value;
}

inline void WritePixel(Uint8* P, int Bytes, Uint32 Value) { std::memcpy(P, &Value, static_cast<size_t>(Bytes)); }

// A rectangle in int, free of SDL_Rect's 16-bit fields while it is cut.
struct TArea {
    int X = 0, Y = 0, Width = 0, Height = 0;
};

inline TArea Intersect(const TArea& A, const TArea& B)
{
    const int X0 = std::max(A.X, B.X), Y0 = std::max(A.Y, B.Y);
    const int X1 = std::min(A.X + A.Width, B.X + B.Width), Y1 = std::min(A.Y + A.Height, B.Y + B.Height);
    return TArea{X0, Y0, std::max(0, X1 - X0), std::max(0, Y1 - Y0)};
}

inline SDL_Rect ToRect(const TArea& A)
{
    return SDL_Rect{static_cast<Sint16>(A.X), static_cast<Sint16>(A.Y), static_cast<Uint16>(A.Width),
                    static_cast<Uint16>(A.Height)};
}

} // namespace WebSdl
