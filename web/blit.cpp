#include <cstdint>

#include "web/error.h"
#include "web/surface_format.h"
#include "web/surfaces.h"

namespace WebSdl {

namespace {

// How sdl12-compat draws one source pixel S over a display pixel D, by the
// source's depth, colour key and per-surface alpha.
enum class TBlend {
    Whole,      // 32-bit, no key, no alpha: the pixel as it is, top byte too
    Colour,     // 24-bit, no key, no alpha: the colour bytes, D's top byte kept
    KeyedCopy,  // keyed, no alpha: the colour bytes, top byte 0
    Fraction,   // keyed, or 24-bit: FractionBlend (draw/pixel_rules.h)
    Shifted,    // 32-bit, no key: ShiftedBlend
};

template <TBlend Mode>
inline Uint32 Blend(Uint32 D, Uint32 S, int Alpha)
{
    switch (Mode) {
    case TBlend::Whole: return S;
    case TBlend::Colour: return (D & ~ColourBits) | (S & ColourBits);
    case TBlend::KeyedCopy: return S & ColourBits;
    case TBlend::Fraction: return FractionBlend(D, S, Alpha);
    case TBlend::Shifted: return ShiftedBlend(D, S, static_cast<Uint8>(Alpha));
    }
    return D;
}

template <TBlend Mode, int Bytes, bool Keyed>
void BlitRows(SDL_Surface* Source, const TArea& From, SDL_Surface* Destination, int ToX, int ToY)
{
    const Uint32 Key = Bytes == 3 ? Source->format->colorkey & ColourBits : Source->format->colorkey;
    const int Alpha = Source->format->alpha;
    for (int R = 0; R < From.Height; ++R) {
        const Uint8* In = PixelAddress(Source, From.X, From.Y + R);
        auto* Out = reinterpret_cast<Uint32*>(PixelAddress(Destination, ToX, ToY + R));
        for (int X = 0; X < From.Width; ++X) {
            const Uint32 S = ReadPixel(In + X * Bytes, Bytes);
            if (Keyed && S == Key) continue;
            Out[X] = Blend<Mode>(Out[X], S, Alpha);
        }
    }
}

template <int Bytes>
void BlitWithDepth(SDL_Surface* Source, const TArea& From, SDL_Surface* Destination, int ToX, int ToY)
{
    const bool Keyed = (Source->flags & SDL_SRCCOLORKEY) != 0;
    const bool Alpha = (Source->flags & SDL_SRCALPHA) != 0;
    if (Alpha && Source->format->alpha == 0) return; // invisible
    if (Keyed) {
        if (Alpha) BlitRows<TBlend::Fraction, Bytes, true>(Source, From, Destination, ToX, ToY);
        else BlitRows<TBlend::KeyedCopy, Bytes, true>(Source, From, Destination, ToX, ToY);
    } else if (Alpha) {
        if (Bytes == 3) BlitRows<TBlend::Fraction, Bytes, false>(Source, From, Destination, ToX, ToY);
        else BlitRows<TBlend::Shifted, Bytes, false>(Source, From, Destination, ToX, ToY);
    } else {
        if (Bytes == 3) BlitRows<TBlend::Colour, Bytes, false>(Source, From, Destination, ToX, ToY);
        else BlitRows<TBlend::Whole, Bytes, false>(Source, From, Destination, ToX, ToY);
    }
}

// One axis of a blit: the source span is cut to the source, then the target
// span to the destination's clipping rectangle, the other moving with it.
void CutAxis(int& From, int& To, int& Length, int SourceSize, int ClipStart, int ClipLength)
{
    if (From < 0) {
        Length += From;
        To -= From;
        From = 0;
    }
    Length = std::min(Length, SourceSize - From);
    const int Before = ClipStart - To;
    if (Before > 0) {
        Length -= Before;
        To += Before;
        From += Before;
    }
    const int Beyond = To + Length - ClipStart - ClipLength;
    if (Beyond > 0) Length -= Beyond;
}

} // namespace

int UpperBlit(SDL_Surface* Source, SDL_Rect* SourceRect, SDL_Surface* Destination, SDL_Rect* DestinationRect)
{
    if (Source == nullptr || Destination == nullptr) {
        SetError("SDL_UpperBlit: passed a NULL surface");
        return -1;
    }
    if (!IsSupported(Source->format) || !IsSupported(Destination->format) ||
        Destination->format->BytesPerPixel != 4) {
        SetError("Blit combination not supported");
        return -1;
    }
    SDL_Rect Whole{0, 0, 0, 0};
    SDL_Rect* Target = DestinationRect != nullptr ? DestinationRect : &Whole;
    int ToX = Target->x, ToY = Target->y;

    int FromX = 0, FromY = 0, W = Source->w, H = Source->h;
    if (SourceRect != nullptr) {
        FromX = SourceRect->x;
        FromY = SourceRect->y;
        W = SourceRect->w;
        H = SourceRect->h;
    }
    const SDL_Rect& Clip = Destination->clip_rect;
    CutAxis(FromX, ToX, W, Source->w, Clip.x, Clip.w);
    CutAxis(FromY, ToY, H, Source->h, Clip.y, Clip.h);

    Target->x = static_cast<Sint16>(ToX);
    Target->y = static_cast<Sint16>(ToY);
    if (W <= 0 || H <= 0) {
        Target->w = Target->h = 0;
        return 0;
    }
    Target->w = static_cast<Uint16>(W);
    Target->h = static_cast<Uint16>(H);
    const TArea From{FromX, FromY, W, H};
    if (Source->format->BytesPerPixel == 3) BlitWithDepth<3>(Source, From, Destination, ToX, ToY);
    else BlitWithDepth<4>(Source, From, Destination, ToX, ToY);
    return 0;
}

} // namespace WebSdl
