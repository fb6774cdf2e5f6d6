#include "draw/sheet_pixels.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>

#include "draw/display.h"
#include "draw/pixel_rules.h"
#include "draw/surface_lock.h"

namespace {

struct TKept {
    SDL_Surface* Sheet = nullptr;
    std::unique_ptr<TSheetPixels> Pixels;
};

std::array<TKept, KeyedImageCount> Kept;
uint64_t Reads = 0;

bool IsDisplayImage(const SDL_Surface* Sheet)
{
    return std::any_of(DisplayImages.begin(), DisplayImages.end(),
                       [&](const TImageEntry& E) { return E.Keyed && *E.Image == Sheet; });
}

} // namespace

bool IsPlainKeyedSheet(const SDL_Surface* Sheet)
{
    if (Sheet == nullptr || !(Sheet->flags & SDL_SRCCOLORKEY)) return false;
    const int Bytes = Sheet->format->BytesPerPixel;
    return HasDisplayLayout(Sheet->format) && (Bytes == 3 || Bytes == 4);
}

TSheetPixels ReadSheetPixels(SDL_Surface* Sheet)
{
    TSheetPixels Read;
    if (!IsPlainKeyedSheet(Sheet)) return Read;
    const TSurfaceLock Lock(Sheet);
    if (!Lock.Locked()) return Read;
    Read.Generation = ++Reads;
    const int Bytes = Sheet->format->BytesPerPixel;
    const uint32_t Key = Bytes == 3 ? Sheet->format->colorkey & ColourBits : Sheet->format->colorkey;
    Read.Width = Sheet->w;
    Read.Height = Sheet->h;
    Read.Colour.resize(static_cast<size_t>(Sheet->w) * Sheet->h);
    Read.Ink.resize(Read.Colour.size());
    for (int Y = 0; Y < Sheet->h; ++Y) {
        for (int X = 0; X < Sheet->w; ++X) {
            uint32_t Value = 0; // little-endian: a 24-bit pixel is the low three bytes
            std::memcpy(&Value, PixelAddress(Sheet, X, Y), static_cast<size_t>(Bytes));
            const size_t I = static_cast<size_t>(Y) * Sheet->w + X;
            Read.Colour[I] = Value & ColourBits;
            Read.Ink[I] = Value != Key;
        }
    }
    return Read;
}

const TSheetPixels* CachedSheetPixels(SDL_Surface* Sheet)
{
    if (Sheet == nullptr || !IsDisplayImage(Sheet) || !IsPlainKeyedSheet(Sheet)) return nullptr;
    TKept* Free = nullptr;
    for (TKept& K : Kept) {
        if (K.Sheet == Sheet) return K.Pixels.get();
        if (K.Sheet == nullptr && Free == nullptr) Free = &K;
    }
    if (Free == nullptr) return nullptr;
    TSheetPixels Read = ReadSheetPixels(Sheet);
    if (Read.Width == 0) return nullptr;
    Free->Sheet = Sheet;
    Free->Pixels = std::make_unique<TSheetPixels>(std::move(Read));
    return Free->Pixels.get();
}

void ForgetSheetPixels()
{
    for (TKept& K : Kept) K = TKept{};
}
