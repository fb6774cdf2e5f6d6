#include "web/surfaces.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>

#include "web/error.h"
#include "web/surface_format.h"

namespace WebSdl {

namespace {

SDL_PixelFormat* NewFormat(int Depth)
{
    auto* F = static_cast<SDL_PixelFormat*>(std::calloc(1, sizeof(SDL_PixelFormat)));
    if (F == nullptr) return nullptr;
    F->BitsPerPixel = static_cast<Uint8>(Depth);
    F->BytesPerPixel = static_cast<Uint8>(Depth / 8);
    F->Rmask = RedMask;
    F->Gmask = GreenMask;
    F->Bmask = BlueMask;
    F->Rshift = 16;
    F->Gshift = 8;
    F->Bshift = 0;
    F->Aloss = 8; // no alpha channel
    F->alpha = SDL_ALPHA_OPAQUE;
    return F;
}

} // namespace

SDL_Surface* CreateSurface(Uint32 Flags, int Width, int Height, int Depth, Uint32 Rmask, Uint32 Gmask,
                           Uint32 Bmask, Uint32 Amask)
{
    const bool DefaultMasks = Rmask == 0 && Gmask == 0 && Bmask == 0 && Amask == 0;
    const bool OurMasks = Rmask == RedMask && Gmask == GreenMask && Bmask == BlueMask && Amask == 0;
    if ((Depth != 24 && Depth != 32) || !(DefaultMasks || OurMasks)) {
        SetError("Only 24- and 32-bit surfaces with red, green and blue at bits 16, 8 and 0 are supported");
        return nullptr;
    }
    if (Width < 0 || Height < 0 || Width > 16384 || Height > 16384) {
        SetError("Surface size out of range");
        return nullptr;
    }
    const int Bytes = Depth / 8;
    const int Pitch = (Width * Bytes + 3) & ~3; // rows start on four bytes, as SDL's do
    auto* S = static_cast<SDL_Surface*>(std::calloc(1, sizeof(SDL_Surface)));
    SDL_PixelFormat* F = NewFormat(Depth);
    void* Pixels = std::calloc(static_cast<size_t>(std::max(Pitch, 4)) * static_cast<size_t>(std::max(Height, 1)), 1);
    if (S == nullptr || F == nullptr || Pixels == nullptr) {
        std::free(S);
        std::free(F);
        std::free(Pixels);
        SetError("Out of memory");
        return nullptr;
    }
    S->flags = Flags & (SDL_SRCCOLORKEY | SDL_SRCALPHA);
    S->format = F;
    S->w = Width;
    S->h = Height;
    S->pitch = static_cast<Uint16>(Pitch);
    S->pixels = Pixels;
    S->clip_rect = SDL_Rect{0, 0, static_cast<Uint16>(Width), static_cast<Uint16>(Height)};
    S->refcount = 1;
    return S;
}

void FreeSurface(SDL_Surface* Surface)
{
    if (Surface == nullptr || --Surface->refcount > 0) return;
    std::free(Surface->pixels);
    std::free(Surface->format);
    std::free(Surface);
}

Uint32 MapRGB(const SDL_PixelFormat* Format, Uint8 Red, Uint8 Green, Uint8 Blue)
{
    return (static_cast<Uint32>(Red >> Format->Rloss) << Format->Rshift) |
           (static_cast<Uint32>(Green >> Format->Gloss) << Format->Gshift) |
           (static_cast<Uint32>(Blue >> Format->Bloss) << Format->Bshift) | Format->Amask;
}

void GetRGB(Uint32 Pixel, const SDL_PixelFormat* Format, Uint8* Red, Uint8* Green, Uint8* Blue)
{
    // Eight bits a field: no low bits to fill in.
    *Red = static_cast<Uint8>((Pixel & Format->Rmask) >> Format->Rshift);
    *Green = static_cast<Uint8>((Pixel & Format->Gmask) >> Format->Gshift);
    *Blue = static_cast<Uint8>((Pixel & Format->Bmask) >> Format->Bshift);
}

int FillRect(SDL_Surface* Surface, SDL_Rect* Rect, Uint32 Colour)
{
    if (Surface == nullptr) {
        SetError("SDL_FillRect(): passed a NULL surface");
        return -1;
    }
    if (!IsSupported(Surface->format)) {
        SetError("SDL_FillRect(): unsupported surface format");
        return -1;
    }
    const SDL_Rect Whole = Surface->clip_rect;
    TArea Area{Whole.x, Whole.y, Whole.w, Whole.h};
    if (Rect != nullptr) Area = Intersect(TArea{Rect->x, Rect->y, Rect->w, Rect->h}, Area);
    if (Rect != nullptr) *Rect = ToRect(Area); // each side cut on its own, as SDL cuts it
    if (Area.Width <= 0 || Area.Height <= 0) return 0;
    const int Bytes = Surface->format->BytesPerPixel;
    for (int Y = Area.Y; Y < Area.Y + Area.Height; ++Y) {
        Uint8* Row = PixelAddress(Surface, Area.X, Y);
        if (Bytes == 4) {
            auto* Pixel = reinterpret_cast<Uint32*>(Row);
            std::fill(Pixel, Pixel + Area.Width, Colour);
        } else {
            for (int X = 0; X < Area.Width; ++X) WritePixel(Row + X * Bytes, Bytes, Colour);
        }
    }
    return 0;
}

int SetColorKey(SDL_Surface* Surface, Uint32 Flag, Uint32 Key)
{
    if (Surface == nullptr) {
        SetError("SDL_SetColorKey(): passed a NULL surface");
        return -1;
    }
    if (Flag & SDL_SRCCOLORKEY) {
        Surface->flags |= SDL_SRCCOLORKEY;
        Surface->format->colorkey = Key;
    } else {
        Surface->flags &= ~static_cast<Uint32>(SDL_SRCCOLORKEY);
        Surface->format->colorkey = 0;
    }
    return 0;
}

int SetAlpha(SDL_Surface* Surface, Uint32 Flag, Uint8 Alpha)
{
    if (Surface == nullptr) {
        SetError("SDL_SetAlpha(): passed a NULL surface");
        return -1;
    }
    if (Flag & SDL_SRCALPHA) {
        Surface->flags |= SDL_SRCALPHA;
        Surface->format->alpha = Alpha;
    } else {
        Surface->flags &= ~static_cast<Uint32>(SDL_SRCALPHA);
        Surface->format->alpha = SDL_ALPHA_OPAQUE;
    }
    return 0;
}

SDL_Surface* ConvertSurface(SDL_Surface* Source, const SDL_PixelFormat* Like)
{
    if (Source == nullptr || Like == nullptr || !IsSupported(Source->format) || !IsSupported(Like)) {
        SetError("SDL_DisplayFormat(): unsupported surface format");
        return nullptr;
    }
    SDL_Surface* Copy = CreateSurface(0, Source->w, Source->h, Like->BitsPerPixel, RedMask, GreenMask, BlueMask, 0);
    if (Copy == nullptr) return nullptr;
    const int From = Source->format->BytesPerPixel, To = Like->BytesPerPixel;
    for (int Y = 0; Y < Source->h; ++Y) {
        const Uint8* In = PixelAddress(Source, 0, Y);
        Uint8* Out = PixelAddress(Copy, 0, Y);
        if (From == To) {
            std::memcpy(Out, In, static_cast<size_t>(Source->w * From));
            continue;
        }
        for (int X = 0; X < Source->w; ++X) WritePixel(Out + X * To, To, ReadPixel(In + X * From, From));
    }
    if (Source->flags & SDL_SRCCOLORKEY) {
        const Uint32 Key = Source->format->colorkey;
        SetColorKey(Copy, SDL_SRCCOLORKEY,
                    MapRGB(Copy->format, static_cast<Uint8>(Key >> 16), static_cast<Uint8>(Key >> 8),
                           static_cast<Uint8>(Key)));
    }
    if (Source->flags & SDL_SRCALPHA) SetAlpha(Copy, SDL_SRCALPHA, Source->format->alpha);
    return Copy;
}

} // namespace WebSdl
