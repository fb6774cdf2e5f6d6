#include "draw/pixels.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <cstddef>
#include <cstring>
#include <limits>
#include <vector>

#include "draw/display.h"
#include "draw/keyed_blit.h"
#include "draw/owned_surface.h"
#include "draw/sheet_pixels.h"
#include "draw/surface.h"
#include "draw/surface_lock.h"
#include "sim/geometry/geometry.h"
#include "sim/geometry/rounding.h"

namespace {

constexpr int PixelBytes = 4; // the display mode is always 32 bits per pixel

bool HasPlainFourBytePixels(const SDL_Surface* Surface)
{
    return Surface != nullptr && Surface->pixels != nullptr && Surface->format->BytesPerPixel == PixelBytes;
}

// The part of Rect that lies inside Surface, as half-open column and row ranges.
struct TSpan {
    int FirstColumn, EndColumn, FirstRow, EndRow;
};

TSpan ClipToSurface(const SDL_Rect& Rect, const SDL_Surface* Surface)
{
    return TSpan{std::max<int>(Rect.x, 0), std::min<int>(Rect.x + Rect.w, Surface->w), std::max<int>(Rect.y, 0),
                 std::min<int>(Rect.y + Rect.h, Surface->h)};
}

// Calls Ink(sx, sy) for every pixel of SourceRect that differs from the
// source's colour key, columns outer and rows inner.
template <typename TInk>
void ForEachInkPixel(SDL_Surface* Source, const SDL_Rect& SourceRect, TInk Ink)
{
    if (Source == nullptr) return;
    const TSurfaceLock Lock(Source);
    if (!Lock.Locked() || !HasPlainFourBytePixels(Source)) return;
    const Uint32 Key = Source->format->colorkey;
    const TSpan Span = ClipToSurface(SourceRect, Source);
    for (int Sx = Span.FirstColumn; Sx < Span.EndColumn; ++Sx)
        for (int Sy = Span.FirstRow; Sy < Span.EndRow; ++Sy)
            if (GetPixel(Source, Sx, Sy) != Key) Ink(Sx, Sy);
}

} // namespace

void PutPixel(SDL_Surface* Surface, Uint32 Colour, bool Centred, double X, double Y)
{
    Extended Px = RoundHalfEven(Extended(X));
    Extended Py = RoundHalfEven(Extended(Y));
    if (Centred) {
        Px += OriginX;
        Py += OriginY;
    }
    // Written so that NaN fails every test.
    if (!(Px >= 1 && Px <= DisplayWidth && Py >= 1 && Py <= DisplayHeight)) return;
    if (!HasPlainFourBytePixels(Surface)) return;
    const int Column = static_cast<int>(Px) - 1;
    const int Row = static_cast<int>(Py) - 1;
    if (Column >= Surface->w || Row >= Surface->h) return;
    auto* Pixel = static_cast<Uint8*>(Surface->pixels) + static_cast<std::ptrdiff_t>(Row) * Surface->pitch +
                  static_cast<std::ptrdiff_t>(Column) * PixelBytes;
    std::memcpy(Pixel, &Colour, PixelBytes);
}

Uint32 GetPixel(SDL_Surface* Surface, int X, int Y)
{
    if (!HasPlainFourBytePixels(Surface) || X < 0 || Y < 0 || X >= Surface->w || Y >= Surface->h) return 0;
    Uint32 Colour;
    const auto* Pixel = static_cast<const Uint8*>(Surface->pixels) + static_cast<std::ptrdiff_t>(Y) * Surface->pitch +
                        static_cast<std::ptrdiff_t>(X) * PixelBytes;
    std::memcpy(&Colour, Pixel, PixelBytes);
    return Colour;
}

void BlitColoured(SDL_Surface* Source, const SDL_Rect& SourceRect, SDL_Surface* Destination,
                  const SDL_Rect& Base, Uint32 Colour, int X, int Y, bool Centred)
{
    int64_t Dx = static_cast<int64_t>(Base.x) + X - SourceRect.x;
    int64_t Dy = static_cast<int64_t>(Base.y) + Y - SourceRect.y;
    if (Centred) {
        Dx += OriginX;
        Dy += OriginY;
    }
    const TSurfaceLock Lock(Destination);
    if (!Lock.Locked()) return;
    ForEachInkPixel(Source, SourceRect, [&](int Sx, int Sy) {
        PutPixel(Destination, Colour, false, static_cast<double>(Sx + Dx), static_cast<double>(Sy + Dy));
    });
}

namespace {

// BlitTinted without the scratch surface, for a plain keyed 32-bit source
// onto the display's format: the silhouette that PutPixel's one-based writes
// leave in the copy, blended by the program's own loop. False, having drawn
// nothing, where that would not be exactly SDL's blit.
bool BlendSilhouette(SDL_Surface* Source, const SDL_Rect& SourceRect, SDL_Surface* Destination,
                     const SDL_Rect& Target, Uint32 Colour, Uint8 Alpha)
{
    if (!IsPlainKeyedSheet(Source) || Source->format->BytesPerPixel != PixelBytes ||
        !IsPlainDisplayFormat(Destination) || !IsPlainDisplayFormat(SDL_GetVideoSurface()) ||
        !BlitterMatchesKeyedBlend(PixelBytes))
        return false;
    const TSheetPixels* Kept = CachedSheetPixels(Source);
    TSheetPixels Read;
    if (Kept == nullptr) {
        Read = ReadSheetPixels(Source);
        if (Read.Width != Source->w || Read.Height != Source->h) return false;
        Kept = &Read;
    }
    // The copy keeps the source's key; ink written in that very value is
    // transparent like the rest.
    TSheetPixels Silhouette;
    Silhouette.Width = Source->w;
    Silhouette.Height = Source->h;
    Silhouette.Colour.assign(Kept->Colour.size(), Colour & 0x00FFFFFFu);
    Silhouette.Ink.assign(Kept->Ink.size(), 0);
    if (Colour != Source->format->colorkey) {
        // Ink at (x, y) of the cell lands on (x - 1, y - 1) of the copy.
        const TSpan Span = ClipToSurface(SourceRect, Source);
        for (int Sy = std::max(Span.FirstRow, 1); Sy < Span.EndRow && Sy <= DisplayHeight; ++Sy)
            for (int Sx = std::max(Span.FirstColumn, 1); Sx < Span.EndColumn && Sx <= DisplayWidth; ++Sx)
                if (Kept->IsInk(Sx, Sy)) Silhouette.Ink[static_cast<size_t>(Sy - 1) * Source->w + (Sx - 1)] = 1;
    }
    return BlitPixelsPiece(Silhouette, Alpha, SourceRect, Destination, Target.x, Target.y);
}

} // namespace

void BlitTinted(SDL_Surface* Source, const SDL_Rect& SourceRect, SDL_Surface* Destination,
                const SDL_Rect& Base, Uint32 Colour, Uint8 Alpha, int X, int Y, bool Centred)
{
    if (Source == nullptr) return;
    if (BlendSilhouette(Source, SourceRect, Destination, PlacedRect(Base, X, Y, Centred), Colour, Alpha)) return;
    BlitTintedPlain(Source, SourceRect, Destination, Base, Colour, Alpha, X, Y, Centred);
}

void BlitTintedPlain(SDL_Surface* Source, const SDL_Rect& SourceRect, SDL_Surface* Destination,
                       const SDL_Rect& Base, Uint32 Colour, Uint8 Alpha, int X, int Y, bool Centred)
{
    if (Source == nullptr) return;
    const TOwnedSurface Silhouette(SDL_DisplayFormat(Source)); // keeps the source's colour key
    if (Silhouette == nullptr) return;

    SDL_Rect Target = PlacedRect(Base, X, Y, Centred);

    // The shape is read before the copy is cleared: PutPixel's one-based
    // writes below land one pixel up and left of the pixel they copy.
    std::vector<TPoint> Ink;
    ForEachInkPixel(Source, SourceRect, [&](int Sx, int Sy) { Ink.push_back({Sx, Sy}); });

    SDL_FillRect(Silhouette.get(), nullptr, Silhouette->format->colorkey);
    {
        const TSurfaceLock Lock(Silhouette.get());
        if (Lock.Locked())
            for (const TPoint& P : Ink) PutPixel(Silhouette.get(), Colour, false, P.X, P.Y);
    }
    SDL_SetAlpha(Silhouette.get(), SDL_SRCALPHA | SDL_SRCCOLORKEY, Alpha);
    SDL_Rect Cell = SourceRect;
    SDL_BlitSurface(Silhouette.get(), &Cell, Destination, &Target);
}

TPoint LerpPoint(double X1, double Y1, double X2, double Y2, double T)
{
    return TPoint{Round(Extended(X1) + Extended(T) * (Extended(X2) - Extended(X1))),
                  Round(Extended(Y1) + Extended(T) * (Extended(Y2) - Extended(Y1)))};
}

namespace {

// The part [Low, High] of the parameter range 0..1 in which Start + t * Step
// stays within [Min, Max]; empty when Low > High.
void ClipParameter(Extended Start, Extended Step, Extended Min, Extended Max, Extended& Low, Extended& High)
{
    if (Step == 0) {
        if (Start < Min || Start > Max) High = -1;
        return;
    }
    Extended T1 = (Min - Start) / Step;
    Extended T2 = (Max - Start) / Step;
    if (T1 > T2) std::swap(T1, T2);
    Low = std::max(Low, T1);
    High = std::min(High, T2);
}

} // namespace

namespace {

// Lines of at most this many points are stepped in whole numbers.
constexpr int64_t WholeLinePoints = int64_t{1} << 19;

// One coordinate of a line's points stepped in whole numbers: point I lies
// at Start + I * Delta / N exactly, and Round of the sum in Extended that
// LerpPoint works out is that value rounded to nearest. With u the unit
// roundoff of double and e that of Extended, the parameter I / N stored as
// a double is off by at most 2u of itself, its product with Delta by e
// more, and the sum with Start by e of a value below 2^31: the sum is
// within (2u + e) |Delta| + e 2^31 of the exact value, while a value that is
// not a tie is at least 1 / (2N) from one. For lines of up to
// WholeLinePoints points (so |Delta| <= N + 1) the two always round alike,
// in either arithmetic of Extended. Ties, exactly half-way, are left to
// LerpPoint's own sum: they depend on how the parameter rounds.
constexpr double DoubleUnit = std::numeric_limits<double>::epsilon() / 2;
constexpr double LineSumError = (2 * DoubleUnit + ExtendedUnit) * (WholeLinePoints + 1) + ExtendedUnit * 0x1p31;
static_assert(LineSumError * 2 * WholeLinePoints < 1, "a line's sums cannot cross a tie");

class TWholeStepper {
public:
    TWholeStepper(int Start, int End, int64_t N, int64_t First)
        : Origin(Start), Step(2 * (static_cast<int64_t>(End) - Start)), Period(2 * N)
    {
        // Nearest of Start + I * Delta / N is Start + floor((2 I Delta + N) / 2N).
        const int64_t Numerator = First * Step + N;
        Quotient = Numerator / Period;
        Remainder = Numerator % Period;
        if (Remainder < 0) {
            Remainder += Period;
            --Quotient;
        }
    }
    bool Tie() const { return Remainder == 0; }
    int64_t Value() const { return Origin + Quotient; }
    void Next()
    {
        Remainder += Step;
        while (Remainder >= Period) {
            Remainder -= Period;
            ++Quotient;
        }
        while (Remainder < 0) {
            Remainder += Period;
            --Quotient;
        }
    }

private:
    int64_t Origin, Step, Period, Quotient = 0, Remainder = 0;
};

// PutPixel of a centred whole point (X, Y).
void PutCentredPoint(SDL_Surface* Surface, Uint32 Colour, int64_t X, int64_t Y)
{
    const int64_t Column = X + OriginX - 1, Row = Y + OriginY - 1;
    if (Column < 0 || Column >= DisplayWidth || Row < 0 || Row >= DisplayHeight) return;
    if (Column >= Surface->w || Row >= Surface->h) return;
    std::memcpy(static_cast<Uint8*>(Surface->pixels) + Row * Surface->pitch + Column * PixelBytes, &Colour,
                PixelBytes);
}

} // namespace

void DrawLine(SDL_Surface* Surface, int X1, int Y1, int X2, int Y2, Uint32 Colour)
{
    const Extended Count = RoundHalfEven(Extended(Distance(X1, Y1, X2, Y2)));
    if (Count <= 0) return;
    const TSurfaceLock Lock(Surface);
    if (!Lock.Locked()) return;

    // Only points that can land on the display are worked out: the others
    // would be skipped by PutPixel anyway, and a line may be billions of
    // pixels long. The margin of two pixels covers the rounding of each point.
    constexpr Extended Margin = 2;
    Extended Low = 0;
    Extended High = 1;
    ClipParameter(X1, static_cast<Extended>(X2) - X1, 1 - OriginX - Margin, DisplayWidth - OriginX + Margin, Low,
                  High);
    ClipParameter(Y1, static_cast<Extended>(Y2) - Y1, 1 - OriginY - Margin, DisplayHeight - OriginY + Margin, Low,
                  High);
    if (Low > High) return;

    const auto N = static_cast<int64_t>(Count); // at most about 6e9 for int end points
    const int64_t First = std::max<int64_t>(1, static_cast<int64_t>(std::floor(Low * Count)) - 1);
    const int64_t Last = std::min<int64_t>(N, static_cast<int64_t>(std::ceil(High * Count)) + 1);
    const auto Lerp = [&](int64_t I) {
        const double T = static_cast<Extended>(I) / Count;
        return LerpPoint(X1, Y1, X2, Y2, T);
    };
    if (N > WholeLinePoints || !HasPlainFourBytePixels(Surface)) {
        for (int64_t I = First; I <= Last; ++I) {
            const TPoint P = Lerp(I);
            PutPixel(Surface, Colour, true, P.X, P.Y);
        }
        return;
    }
    TWholeStepper X(X1, X2, N, First), Y(Y1, Y2, N, First);
    for (int64_t I = First; I <= Last; ++I, X.Next(), Y.Next()) {
        if (X.Tie() || Y.Tie()) {
            const TPoint P = Lerp(I);
            PutCentredPoint(Surface, Colour, X.Tie() ? P.X : X.Value(), Y.Tie() ? P.Y : Y.Value());
        } else {
            // Debug builds hold every stepped point to LerpPoint's.
            assert(Lerp(I).X == X.Value() && Lerp(I).Y == Y.Value());
            PutCentredPoint(Surface, Colour, X.Value(), Y.Value());
        }
    }
}

void DrawLinePlain(SDL_Surface* Surface, int X1, int Y1, int X2, int Y2, Uint32 Colour)
{
    const Extended Count = RoundHalfEven(Extended(Distance(X1, Y1, X2, Y2)));
    const TSurfaceLock Lock(Surface);
    if (!Lock.Locked()) return;
    for (Extended I = 1; I <= Count; ++I) {
        const TPoint P = LerpPoint(X1, Y1, X2, Y2, static_cast<double>(I / Count));
        PutPixel(Surface, Colour, true, P.X, P.Y);
    }
}
