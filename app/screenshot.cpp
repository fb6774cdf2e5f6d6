#include "app/screenshot.h"

#include <cstring>

#include "draw/display.h"
#include "draw/surface_lock.h"

TScreenshot CaptureScreenshot()
{
    TScreenshot Shot;
    if (Screen == nullptr) return Shot;
    const TSurfaceLock Lock(Screen);
    if (!Lock.Locked()) return Shot;
    Shot.Width = Screen->w;
    Shot.Height = Screen->h;
    Shot.Rgb.resize(static_cast<size_t>(Shot.Width) * Shot.Height * 3);
    const SDL_PixelFormat* const Format = Screen->format;
    uint8_t* Out = Shot.Rgb.data();
    for (int Y = 0; Y < Shot.Height; ++Y) {
        const auto* Row = static_cast<const Uint8*>(Screen->pixels) + static_cast<size_t>(Y) * Screen->pitch;
        for (int X = 0; X < Shot.Width; ++X) {
            Uint32 Pixel = 0; // the pixel's bytes as SDL keeps them, lowest first
            std::memcpy(&Pixel, Row + static_cast<size_t>(X) * Format->BytesPerPixel, Format->BytesPerPixel);
            SDL_GetRGB(Pixel, const_cast<SDL_PixelFormat*>(Format), Out, Out + 1, Out + 2);
            Out += 3;
        }
    }
    return Shot;
}
