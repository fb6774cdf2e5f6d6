#pragma once
// The one pixel layout the browser layer's surfaces have, and the small
// helpers its surface operations share. The layout, the pixel address and
// the blends are the desktop's own (draw/pixel_rules.h).

#include <SDL.h>

#include <algorithm>
#include <cstring>

#include "draw/pixel_rules.h"

namespace WebSdl {

// The display's layout of fields in 24 or 32 bits: the sheets as loaded,
// and the display.
inline bool IsSupported(const SDL_PixelFormat* F)
{
    return HasDisplayLayout(F) && (F->BytesPerPixel == 3 || F->BytesPerPixel == 4);
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
