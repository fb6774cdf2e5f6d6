#include "draw/sheet_pixels.h"

#include <array>
#include <cstring>
#include <memory>

#include "draw/display.h"
#include "draw/surface_lock.h"

namespace {

struct TKept {
    SDL_Surface* Sheet = nullptr;
    std::unique_ptr<TSheetPixels> Pixels;
};

std::array<TKept, 9> Kept;
uint64_t Reads = 0;

bool IsDisplayImage(const SDL_Surface* Sheet)
{
    for (const SDL_Surface* Image : {MouseImage, FontImage, ButtonImage, CheckImage, RadioImage, WindowImage,
                                     EditImage, SpinImage, ProgressImage})
        if (Sheet == Image) return true;
    return false;
}

} // namespace

bool IsPlainKeyedSheet(const SDL_Surface* Sheet)
{
    if (Sheet == nullptr || !(Sheet->flags & SDL_SRCCOLORKEY)) return false;
    const SDL_PixelFormat* F = Sheet->format;
    return F->palette == nullptr && (F->BytesPerPixel == 3 || F->BytesPerPixel == 4) && F->Rmask == 0x00FF0000u &&
           F->Gmask == 0x0000FF00u && F->Bmask == 0x000000FFu && F->Amask == 0;
}

TSheetPixels ReadSheetPixels(SDL_Surface* Sheet)
{
    TSheetPixels Read;
    if (!IsPlainKeyedSheet(Sheet)) return Read;
    const TSurfaceLock Lock(Sheet);
    if (!Lock.Locked()) return Read;
    Read.Generation = ++Reads;
    const int Bytes = Sheet->format->BytesPerPixel;
    const uint32_t Key = Bytes == 3 ? Sheet->format->colorkey & 0x00FFFFFFu : Sheet->format->colorkey;
    Read.Width = Sheet->w;
    Read.Height = Sheet->h;
    Read.Colour.resize(static_cast<size_t>(Sheet->w) * Sheet->h);
    Read.Ink.resize(Read.Colour.size());
    for (int Y = 0; Y < Sheet->h; ++Y) {
        const auto* Row = static_cast<const Uint8*>(Sheet->pixels) + static_cast<std::ptrdiff_t>(Y) * Sheet->pitch;
        for (int X = 0; X < Sheet->w; ++X) {
            uint32_t Value = 0;
            std::memcpy(&Value, Row + static_cast<std::ptrdiff_t>(X) * Bytes, static_cast<size_t>(Bytes));
            const size_t I = static_cast<size_t>(Y) * Sheet->w + X;
            Read.Colour[I] = Value & 0x00FFFFFFu;
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
