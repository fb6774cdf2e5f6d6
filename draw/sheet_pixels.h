#pragma once
// The pixels of a colour-keyed sprite sheet, read once: each pixel's colour
// fields and whether it is ink (not the colour key). Drawing from these
// takes no lock and no format conversion per pixel.

#include <SDL.h>

#include <cassert>
#include <cstdint>
#include <vector>

struct TSheetPixels {
    uint64_t Generation = 0; // differs for every read, so derived data can tell a re-read
    int Width = 0;
    int Height = 0;
    std::vector<uint32_t> Colour; // 0x00RRGGBB by row; only meaningful where Ink is set
    std::vector<uint8_t> Ink;     // 1 where the pixel is not the colour key
    // Callers cut what they read to the sheet first.
    uint32_t At(int X, int Y) const
    {
        assert(X >= 0 && X < Width && Y >= 0 && Y < Height);
        return Colour[static_cast<size_t>(Y) * Width + X];
    }
    bool IsInk(int X, int Y) const
    {
        assert(X >= 0 && X < Width && Y >= 0 && Y < Height);
        return Ink[static_cast<size_t>(Y) * Width + X] != 0;
    }
};

// Sheet has the display's layout of fields (pixel_rules.h) in 3 or 4 bytes
// a pixel, and a colour key: the one kind of sheet the program's own pixel
// arithmetic reads.
bool IsPlainKeyedSheet(const SDL_Surface* Sheet);

// Reads Sheet, a plain keyed sheet: a pixel is ink when its value (3 or 4
// bytes) differs from the colour key. Empty (0 x 0) if it cannot be locked.
TSheetPixels ReadSheetPixels(SDL_Surface* Sheet);

// The pixels of one of the display's images (draw/display.h), read on first
// use and kept until ForgetSheetPixels; null for any other surface or one
// that is not a plain keyed sheet. The images never change while loaded.
const TSheetPixels* CachedSheetPixels(SDL_Surface* Sheet);

// Drops every kept image; the video layer calls it when it releases them.
void ForgetSheetPixels();
