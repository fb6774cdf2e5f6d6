#include "draw/keyed_blit.h"

#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include <algorithm>
#include <cassert>
#include <cstddef>
#include <cstring>

#include "draw/owned_surface.h"
#include "draw/pixel_rules.h"
#include "draw/surface_lock.h"

namespace {

constexpr uint32_t ProbeKey = 0xFF00FF;

// Pixels of a probe surface: a fixed mix of every field value, with some
// colour key among them.
uint32_t ProbeValue(uint32_t Index, uint32_t Salt)
{
    uint32_t V = (Index + Salt) * 2654435761u;
    V ^= V >> 13;
    V *= 0x5BD1E995u;
    V ^= V >> 15;
    return V;
}

void WritePixel(SDL_Surface* S, int X, int Y, uint32_t Value)
{
    std::memcpy(PixelAddress(S, X, Y), &Value, S->format->BytesPerPixel); // little-endian: the low bytes
}

uint32_t ReadPixel(const SDL_Surface* S, int X, int Y)
{
    uint32_t Value = 0;
    std::memcpy(&Value, PixelAddress(S, X, Y), S->format->BytesPerPixel);
    return Value;
}

// Blits a keyed Bytes-per-pixel probe at each alpha (and without alpha)
// and compares every pixel with KeyedBlend.
bool ProbeBlitter(int Bytes)
{
    constexpr int Size = 64;
    const TOwnedSurface Source(
        SDL_CreateRGBSurface(SDL_SWSURFACE, Size, Size, 8 * Bytes, RedMask, GreenMask, BlueMask, 0));
    const TOwnedSurface Target(
        SDL_CreateRGBSurface(SDL_SWSURFACE, Size, Size, 32, RedMask, GreenMask, BlueMask, 0));
    if (Source == nullptr || Target == nullptr) return false;
    {
        const TSurfaceLock Lock(Source.get());
        if (!Lock.Locked()) return false;
        for (int Y = 0; Y < Size; ++Y)
            for (int X = 0; X < Size; ++X) {
                const auto I = static_cast<uint32_t>(Y * Size + X);
                WritePixel(Source.get(), X, Y, I % 7 == 3 ? ProbeKey : ProbeValue(I, 1) & ColourBits);
            }
    }
    SDL_SetColorKey(Source.get(), SDL_SRCCOLORKEY | SDL_RLEACCEL, ProbeKey);
    for (const int Alpha : {-1, 255, 254, 200, 129, 128, 127, 64, 37, 1, 0}) {
        if (Alpha >= 0) SDL_SetAlpha(Source.get(), SDL_SRCALPHA, static_cast<Uint8>(Alpha));
        const auto Salt = 7u + static_cast<uint32_t>(Alpha);
        {
            const TSurfaceLock Lock(Target.get());
            if (!Lock.Locked()) return false;
            for (int Y = 0; Y < Size; ++Y)
                for (int X = 0; X < Size; ++X) WritePixel(Target.get(), X, Y, ProbeValue(static_cast<uint32_t>(Y * Size + X), Salt));
        }
        SDL_Rect From{0, 0, Size, Size};
        SDL_Rect To{0, 0, 0, 0};
        if (SDL_BlitSurface(Source.get(), &From, Target.get(), &To) != 0) return false;
        const TSurfaceLock Lock(Target.get());
        if (!Lock.Locked()) return false;
        for (int Y = 0; Y < Size; ++Y)
            for (int X = 0; X < Size; ++X) {
                const auto I = static_cast<uint32_t>(Y * Size + X);
                const uint32_t Before = ProbeValue(I, Salt);
                const uint32_t S = I % 7 == 3 ? ProbeKey : ProbeValue(I, 1) & ColourBits;
                const uint32_t Expected = S == ProbeKey || Alpha == 0 ? Before : KeyedBlend(Before, S, Alpha);
                if (ReadPixel(Target.get(), X, Y) != Expected) return false;
            }
    }
    return true;
}

// The clipped part of an area: sheet offsets of its first drawn pixel, the
// display pixel it goes to, and the size drawn.
struct TClipped {
    int FromX, FromY, ToX, ToY, Width, Height;
};

bool ClipToDestination(const SDL_Surface* Destination, int X, int Y, int Width, int Height, TClipped& C)
{
    const TPixelBounds Clip = ClipBounds(Destination);
    const int64_t X0 = std::max<int64_t>(X, Clip.Left), X1 = std::min<int64_t>(static_cast<int64_t>(X) + Width, Clip.Right);
    const int64_t Y0 = std::max<int64_t>(Y, Clip.Top), Y1 = std::min<int64_t>(static_cast<int64_t>(Y) + Height, Clip.Bottom);
    if (X0 >= X1 || Y0 >= Y1) return false;
    C = TClipped{static_cast<int>(X0 - X), static_cast<int>(Y0 - Y), static_cast<int>(X0), static_cast<int>(Y0),
                 static_cast<int>(X1 - X0), static_cast<int>(Y1 - Y0)};
    return true;
}

void DrawArea(const TSheetPixels& Pixels, const TSheetArea& Area, SDL_Surface* Destination, const TClipped& C,
              int Alpha)
{
    // The loops below read and write without bounds: the area lies in the
    // sheet's pixels and the clipped part in the destination.
    assert(Area.Left >= 0 && Area.Top >= 0 && C.FromX >= 0 && C.FromY >= 0 && C.Width > 0 && C.Height > 0);
    assert(Area.Left + (Area.OneColumn ? 1 : C.FromX + C.Width) <= Pixels.Width &&
           Area.Top + (Area.OneRow ? 1 : C.FromY + C.Height) <= Pixels.Height);
    assert(C.ToX >= 0 && C.ToY >= 0 && C.ToX + C.Width <= Destination->w && C.ToY + C.Height <= Destination->h);
    assert(Pixels.Colour.size() == static_cast<size_t>(Pixels.Width) * Pixels.Height && Pixels.Ink.size() == Pixels.Colour.size());
    const auto RowAt = [&](int R) { return reinterpret_cast<uint32_t*>(PixelAddress(Destination, C.ToX, C.ToY + R)); };
    if (Area.OneColumn && Area.OneRow) {
        // One colour over the whole area, the window's body above all.
        const size_t I = static_cast<size_t>(Area.Top) * Pixels.Width + Area.Left;
        if (!Pixels.Ink[I]) return;
        const uint32_t S = Pixels.Colour[I];
        if (Alpha < 0) {
            for (int R = 0; R < C.Height; ++R) std::fill(RowAt(R), RowAt(R) + C.Width, S);
            return;
        }
        for (int R = 0; R < C.Height; ++R)
            BlendRun(RowAt(R), C.Width, S, Alpha);
        return;
    }
    if (Area.OneColumn) {
        // One sheet column across: each row is one colour.
        for (int R = 0; R < C.Height; ++R) {
            const int SheetY = Area.Top + (Area.OneRow ? 0 : C.FromY + R);
            const size_t I = static_cast<size_t>(SheetY) * Pixels.Width + Area.Left;
            if (!Pixels.Ink[I]) continue;
            uint32_t* const Row = RowAt(R);
            if (Alpha < 0) std::fill(Row, Row + C.Width, Pixels.Colour[I]);
            else BlendRun(Row, C.Width, Pixels.Colour[I], Alpha);
        }
        return;
    }
    for (int R = 0; R < C.Height; ++R) {
        const int SheetY = Area.Top + (Area.OneRow ? 0 : C.FromY + R);
        const size_t First = static_cast<size_t>(SheetY) * Pixels.Width + static_cast<size_t>(Area.Left + C.FromX);
        BlendSpan(RowAt(R), &Pixels.Colour[First],
                  &Pixels.Ink[First], C.Width, Alpha);
    }
}

#ifdef __SSE2__
// D + (S - D) * A / 255 in 16-bit lanes, truncated toward zero as the
// blitter does. |S - D| * A is at most 65025, so it fits a lane unsigned,
// and (M * 0x8081) >> 23 is M / 255 rounded down for every M below 65536;
// the sign is put back afterwards.
__m128i BlendLanes(__m128i S, __m128i D, __m128i A)
{
    const __m128i Zero = _mm_setzero_si128();
    const __m128i Reciprocal = _mm_set1_epi16(static_cast<short>(0x8081));
    const __m128i Diff = _mm_sub_epi16(S, D);
    const __m128i Negative = _mm_cmpgt_epi16(Zero, Diff);
    const __m128i Magnitude = _mm_sub_epi16(_mm_xor_si128(Diff, Negative), Negative);
    const __m128i Product = _mm_mullo_epi16(Magnitude, A);
    const __m128i Quotient = _mm_srli_epi16(_mm_mulhi_epu16(Product, Reciprocal), 7);
    return _mm_add_epi16(D, _mm_sub_epi16(_mm_xor_si128(Quotient, Negative), Negative));
}
#endif

} // namespace

void BlendRun(uint32_t* Row, int Count, uint32_t Source, int Alpha)
{
    int K = 0;
#ifdef __SSE2__
    // Four pixels at a time in 16-bit lanes.
    const __m128i Zero = _mm_setzero_si128();
    const __m128i S = _mm_unpacklo_epi8(_mm_set1_epi32(static_cast<int>(Source & ColourBits)), Zero);
    const __m128i A = _mm_set1_epi16(static_cast<short>(Alpha));
    const __m128i ColourBytes = _mm_set1_epi32(static_cast<int>(ColourBits));
    // The result depends on the display's four pixels alone, and a window
    // mostly lies over an even background: four pixels like the last four
    // take the last result as it is.
    __m128i LastD = _mm_setzero_si128(), LastBlend = _mm_setzero_si128();
    bool Have = false;
    for (; K + 4 <= Count; K += 4) {
        const __m128i D = _mm_loadu_si128(reinterpret_cast<const __m128i*>(Row + K));
        if (!Have || _mm_movemask_epi8(_mm_cmpeq_epi32(D, LastD)) != 0xFFFF) {
            const __m128i Low = BlendLanes(S, _mm_unpacklo_epi8(D, Zero), A);
            const __m128i High = BlendLanes(S, _mm_unpackhi_epi8(D, Zero), A);
            LastD = D;
            LastBlend = _mm_and_si128(_mm_packus_epi16(Low, High), ColourBytes);
            Have = true;
        }
        _mm_storeu_si128(reinterpret_cast<__m128i*>(Row + K), LastBlend);
    }
#endif
    BlendRunPlain(Row + K, Count - K, Source, Alpha);
}

void BlendRunPlain(uint32_t* Row, int Count, uint32_t Source, int Alpha)
{
    assert(Alpha >= 1 && Alpha <= 255);
    for (int K = 0; K < Count; ++K) Row[K] = KeyedBlend(Row[K], Source, Alpha);
}

void BlendSpan(uint32_t* Row, const uint32_t* Source, const uint8_t* Ink, int Count, int Alpha)
{
    int K = 0;
#ifdef __SSE2__
    // As BlendRun, with a colour per pixel, and the display's pixel kept
    // where the sheet has its key.
    const __m128i Zero = _mm_setzero_si128();
    const __m128i A = _mm_set1_epi16(static_cast<short>(Alpha));
    const __m128i ColourBytes = _mm_set1_epi32(static_cast<int>(ColourBits));
    for (; K + 4 <= Count; K += 4) {
        uint32_t InkBytes;
        std::memcpy(&InkBytes, Ink + K, sizeof InkBytes);
        if (InkBytes == 0) continue;
        const __m128i InkLanes = _mm_unpacklo_epi16(_mm_unpacklo_epi8(_mm_cvtsi32_si128(static_cast<int>(InkBytes)), Zero), Zero);
        const __m128i Keep = _mm_cmpeq_epi32(InkLanes, Zero);
        const __m128i D = _mm_loadu_si128(reinterpret_cast<const __m128i*>(Row + K));
        const __m128i S = _mm_and_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(Source + K)), ColourBytes);
        __m128i Drawn;
        if (Alpha < 0) {
            Drawn = S;
        } else {
            const __m128i Low = BlendLanes(_mm_unpacklo_epi8(S, Zero), _mm_unpacklo_epi8(D, Zero), A);
            const __m128i High = BlendLanes(_mm_unpackhi_epi8(S, Zero), _mm_unpackhi_epi8(D, Zero), A);
            Drawn = _mm_and_si128(_mm_packus_epi16(Low, High), ColourBytes);
        }
        _mm_storeu_si128(reinterpret_cast<__m128i*>(Row + K),
                         _mm_or_si128(_mm_and_si128(Keep, D), _mm_andnot_si128(Keep, Drawn)));
    }
#endif
    BlendSpanPlain(Row + K, Source + K, Ink + K, Count - K, Alpha);
}

void BlendSpanPlain(uint32_t* Row, const uint32_t* Source, const uint8_t* Ink, int Count, int Alpha)
{
    assert(Alpha != 0 && Alpha <= 255);
    for (int K = 0; K < Count; ++K)
        if (Ink[K]) Row[K] = KeyedBlend(Row[K], Source[K], Alpha);
}

bool BlitterMatchesKeyedBlend(int Bytes)
{
    static const bool Three = ProbeBlitter(3);
    static const bool Four = ProbeBlitter(4);
    return Bytes == 3 ? Three : Bytes == 4 && Four;
}

namespace {

// Area of Pixels (inside them) at (X, Y) with Alpha (negative: none).
bool DrawPixelsArea(const TSheetPixels& Pixels, int Alpha, const TSheetArea& Area, SDL_Surface* Destination, int X,
                    int Y)
{
    TClipped C{};
    if (Alpha == 0 || Area.Width == 0 || Area.Height == 0 ||
        !ClipToDestination(Destination, X, Y, Area.Width, Area.Height, C))
        return true; // nothing of it shows
    const TSurfaceLock Lock(Destination);
    if (!Lock.Locked()) return false;
    DrawArea(Pixels, Area, Destination, C, Alpha);
    return true;
}

// Piece cut to a Width x Height source as the blitter cuts it, moving the
// target with it; false when nothing is left.
bool CutToSource(const SDL_Rect& Piece, int Width, int Height, TSheetArea& Area, int& X, int& Y)
{
    int Left = Piece.x, Top = Piece.y, W = Piece.w, H = Piece.h;
    if (Left < 0) {
        W += Left;
        X -= Left;
        Left = 0;
    }
    W = std::min(W, Width - Left);
    if (Top < 0) {
        H += Top;
        Y -= Top;
        Top = 0;
    }
    H = std::min(H, Height - Top);
    if (W <= 0 || H <= 0) return false;
    Area = TSheetArea{Left, Top, W, H, false, false};
    return true;
}

} // namespace

bool BlitSheetArea(SDL_Surface* Sheet, const TSheetArea& Area, SDL_Surface* Destination, int X, int Y)
{
    if (!IsPlainKeyedSheet(Sheet) || !IsPlainDisplayFormat(Destination)) return false;
    if (Area.Left < 0 || Area.Top < 0 || Area.Width < 0 || Area.Height < 0 ||
        Area.Left + (Area.OneColumn ? 1 : Area.Width) > Sheet->w ||
        Area.Top + (Area.OneRow ? 1 : Area.Height) > Sheet->h)
        return false;
    if (!BlitterMatchesKeyedBlend(Sheet->format->BytesPerPixel)) return false;

    const TSheetPixels* Kept = CachedSheetPixels(Sheet);
    TSheetPixels Read;
    if (Kept == nullptr) {
        Read = ReadSheetPixels(Sheet);
        if (Read.Width != Sheet->w || Read.Height != Sheet->h) return false;
        Kept = &Read;
    }
    const int Alpha = (Sheet->flags & SDL_SRCALPHA) ? Sheet->format->alpha : -1;
    return DrawPixelsArea(*Kept, Alpha, Area, Destination, X, Y);
}

bool BlitSheetPiece(SDL_Surface* Sheet, const SDL_Rect& Piece, SDL_Surface* Destination, Sint16 X, Sint16 Y)
{
    if (Sheet == nullptr) return false;
    TSheetArea Area;
    int ToX = X, ToY = Y;
    if (!CutToSource(Piece, Sheet->w, Sheet->h, Area, ToX, ToY))
        return IsPlainKeyedSheet(Sheet) && IsPlainDisplayFormat(Destination); // nothing to draw either way
    return BlitSheetArea(Sheet, Area, Destination, ToX, ToY);
}

void BlitSheetPiecePlain(SDL_Surface* Sheet, const SDL_Rect& Piece, SDL_Surface* Destination, Sint16 X, Sint16 Y)
{
    SDL_Rect From = Piece; // SDL writes the clipped result into these copies
    SDL_Rect To{X, Y, 0, 0};
    SDL_BlitSurface(Sheet, &From, Destination, &To);
}

bool BlitPixelsPiece(const TSheetPixels& Pixels, int Alpha, const SDL_Rect& Piece, SDL_Surface* Destination, Sint16 X,
                     Sint16 Y)
{
    if (!IsPlainDisplayFormat(Destination)) return false;
    TSheetArea Area;
    int ToX = X, ToY = Y;
    if (!CutToSource(Piece, Pixels.Width, Pixels.Height, Area, ToX, ToY)) return true;
    return DrawPixelsArea(Pixels, Alpha, Area, Destination, ToX, ToY);
}
