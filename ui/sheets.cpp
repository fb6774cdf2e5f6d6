#include "ui/sheets.h"

#include <cassert>
#include <cstddef>
#include <cstring>
#include <utility>
#include <vector>

#include "draw/display.h"
#include "draw/keyed_blit.h"
#include "draw/owned_surface.h"
#include "draw/surface.h"
#include "draw/surface_lock.h"

SDL_Rect BoxCell(bool Hover, bool Armed, bool Checked)
{
    const int X = !Hover ? 0 : (Armed ? 2 * BoxSize : BoxSize);
    return MakeRect(X, Checked ? BoxSize : 0, BoxSize, BoxSize);
}

SDL_Rect SpinCell(bool Up, bool Hover, bool Pressed)
{
    const int X = Pressed ? 2 * SpinArrowWidth : (Hover ? SpinArrowWidth : 0);
    return MakeRect(X, Up ? 0 : SpinArrowHeight, SpinArrowWidth, SpinArrowHeight);
}

Uint8 WidgetAlpha(Uint8 Alpha)
{
    const int Value = 255 - (3 * (255 - Alpha)) / 2;
    return static_cast<Uint8>(Value < 0 ? 0 : Value);
}

int BlitterCoord(int64_t V) { return static_cast<int16_t>(V); }

void DrawPiece(SDL_Surface* Sheet, const SDL_Rect& Piece, int64_t X, int64_t Y)
{
    const SDL_Rect Target = PlacedRect(ClipRect, BlitterCoord(X), BlitterCoord(Y), false);
    if (BlitSheetPiece(Sheet, Piece, Screen, Target.x, Target.y)) return;
    BlitSheetPiecePlain(Sheet, Piece, Screen, Target.x, Target.y);
}

void DrawStretchedPlain(SDL_Surface* Sheet, const SDL_Rect& Piece, int64_t X, int64_t Y, int64_t Columns,
                        int64_t Rows)
{
    for (int64_t I = 0; I < Columns; ++I)
        for (int64_t J = 0; J < Rows; ++J)
            BlitAt(Sheet, Piece, Screen, ClipRect, BlitterCoord(X + I), BlitterCoord(Y + J), false);
}

namespace {

bool InBlitterRange(int64_t First, int64_t Last) { return First >= INT16_MIN && Last <= INT16_MAX; }

// Whole strips reproduce the copies exactly only where every copy's
// position survives the blitter's 16 bits unchanged and SDL clips each
// copy the way it clips the strip. Paletted sheets keep the plain method.
bool StripsFit(const SDL_Surface* Sheet, const SDL_Rect& Piece, int64_t X, int64_t Y, int64_t Columns,
               int64_t Rows)
{
    return Sheet->format->palette == nullptr && Piece.x >= 0 && Piece.y >= 0 && Piece.x + Piece.w <= Sheet->w &&
           Piece.y + Piece.h <= Sheet->h && InBlitterRange(X, X + Columns - 1 + Piece.w - 1) &&
           InBlitterRange(Y, Y + Rows - 1 + Piece.h - 1);
}

// A Width x Height surface in the sheet's own pixel format, keyed and
// translucent like the sheet, so that blitting it blends each pixel exactly
// as blitting that sheet pixel would. Its pixel (x, y) is the sheet's pixel
// (Piece.x + (SingleColumn ? Column : x), Piece.y + (SingleRow ? Row : y)):
// one piece column or row repeated, or the piece's own columns or rows.
TOwnedSurface MakeStrip(SDL_Surface* Sheet, const SDL_Rect& Piece, int Width, int Height, bool SingleColumn,
                        int Column, bool SingleRow, int Row)
{
    // StripsFit keeps every row and column read below inside the sheet.
    assert(Piece.x >= 0 && Piece.y >= 0 && Width > 0 && Height > 0);
    assert(Piece.x + (SingleColumn ? Column + 1 : Width) <= Sheet->w &&
           Piece.y + (SingleRow ? Row + 1 : Height) <= Sheet->h);
    const SDL_PixelFormat* Format = Sheet->format;
    TOwnedSurface Strip(SDL_CreateRGBSurface(SDL_SWSURFACE, Width, Height, Format->BitsPerPixel, Format->Rmask,
                                             Format->Gmask, Format->Bmask, Format->Amask));
    if (Strip == nullptr) return nullptr;
    {
        const TSurfaceLock SheetLock(Sheet);
        const TSurfaceLock StripLock(Strip.get());
        if (!SheetLock.Locked() || !StripLock.Locked()) return nullptr;
        const auto Bytes = static_cast<std::ptrdiff_t>(Format->BytesPerPixel);
        const auto RowBytes = static_cast<size_t>(Width * Bytes);
        const auto* From = static_cast<const Uint8*>(Sheet->pixels);
        auto* To = static_cast<Uint8*>(Strip->pixels);
        for (int Y = 0; Y < Height; ++Y) {
            Uint8* Line = To + static_cast<std::ptrdiff_t>(Y) * Strip->pitch;
            if (SingleRow && Y > 0) { // every row alike: copy the first
                std::memcpy(Line, To, RowBytes);
                continue;
            }
            const Uint8* SheetLine =
                From + static_cast<std::ptrdiff_t>(Piece.y + (SingleRow ? Row : Y)) * Sheet->pitch;
            if (SingleColumn) {
                const Uint8* Pixel = SheetLine + (Piece.x + Column) * Bytes;
                for (int X = 0; X < Width; ++X) std::memcpy(Line + X * Bytes, Pixel, static_cast<size_t>(Bytes));
            } else {
                std::memcpy(Line, SheetLine + Piece.x * Bytes, RowBytes);
            }
        }
    }

    // Keyed as every sheet is at start-up, then given the sheet's current alpha.
    if (Sheet->flags & SDL_SRCCOLORKEY) SDL_SetColorKey(Strip.get(), SDL_SRCCOLORKEY | SDL_RLEACCEL, Format->colorkey);
    if (Sheet->flags & SDL_SRCALPHA) SDL_SetAlpha(Strip.get(), SDL_SRCALPHA, Format->alpha);
    return Strip;
}

// How a piece repeated Columns x Rows times is cut into strips: one per
// piece column when the copies step across, one per piece row when they
// step down, each strip Width x Height.
struct TStripLayout {
    bool AcrossByColumn, DownByRow;
    int Width, Height;
    int ColumnStrips, RowStrips;
};

TStripLayout StripLayout(const SDL_Rect& Piece, int64_t Columns, int64_t Rows)
{
    TStripLayout L;
    L.AcrossByColumn = Columns > 1;
    L.DownByRow = Rows > 1;
    L.Width = L.AcrossByColumn ? static_cast<int>(Columns) : Piece.w;
    L.Height = L.DownByRow ? static_cast<int>(Rows) : Piece.h;
    L.ColumnStrips = L.AcrossByColumn ? Piece.w : 1;
    L.RowStrips = L.DownByRow ? Piece.h : 1;
    return L;
}

// The copies drawn as strips. Display pixel (X + c, Y + r) receives piece
// pixel (k, l) from copy (c - k, r - l); the copies come columns outer and
// rows inner, so the pixel sees its piece columns from the last (k = w - 1)
// to the first, and within each its rows from the last to the first. A
// strip per piece column (when the copies step across) and per piece row
// (when they step down) keeps that order; a piece that is not repeated in
// a direction goes across whole. Returns false, having drawn nothing, if a
// strip cannot be made.
bool DrawStrips(SDL_Surface* Sheet, const SDL_Rect& Piece, int64_t X, int64_t Y, int64_t Columns, int64_t Rows)
{
    const TStripLayout Layout = StripLayout(Piece, Columns, Rows);
    const bool AcrossByColumn = Layout.AcrossByColumn, DownByRow = Layout.DownByRow;
    const int Width = Layout.Width, Height = Layout.Height;
    const int ColumnStrips = Layout.ColumnStrips, RowStrips = Layout.RowStrips;

    std::vector<TOwnedSurface> Strips;
    for (int K = ColumnStrips - 1; K >= 0; --K)
        for (int L = RowStrips - 1; L >= 0; --L) {
            Strips.push_back(MakeStrip(Sheet, Piece, Width, Height, AcrossByColumn, K, DownByRow, L));
            if (Strips.back() == nullptr) return false;
        }

    size_t Next = 0;
    for (int K = ColumnStrips - 1; K >= 0; --K)
        for (int L = RowStrips - 1; L >= 0; --L) {
            TOwnedSurface Strip = std::move(Strips[Next++]); // freed once drawn
            DrawPiece(Strip.get(), MakeRect(0, 0, Width, Height), X + (AcrossByColumn ? K : 0),
                      Y + (DownByRow ? L : 0));
        }
    return true;
}

// The strips of DrawStrips in the same order, each drawn by the program's
// own blend straight from the sheet; false, having drawn nothing, where that
// blend does not reproduce the blitter's.
bool BlendStrips(SDL_Surface* Sheet, const SDL_Rect& Piece, int64_t X, int64_t Y, int64_t Columns, int64_t Rows)
{
    const TStripLayout Layout = StripLayout(Piece, Columns, Rows);
    const bool AcrossByColumn = Layout.AcrossByColumn, DownByRow = Layout.DownByRow;
    const int Width = Layout.Width, Height = Layout.Height;
    const int ColumnStrips = Layout.ColumnStrips, RowStrips = Layout.RowStrips;
    bool First = true;
    for (int K = ColumnStrips - 1; K >= 0; --K)
        for (int L = RowStrips - 1; L >= 0; --L) {
            const TSheetArea Area{Piece.x + (AcrossByColumn ? K : 0), Piece.y + (DownByRow ? L : 0), Width, Height,
                                  AcrossByColumn, DownByRow};
            const SDL_Rect Target = PlacedRect(ClipRect, BlitterCoord(X + (AcrossByColumn ? K : 0)),
                                               BlitterCoord(Y + (DownByRow ? L : 0)), false);
            if (!BlitSheetArea(Sheet, Area, Screen, Target.x, Target.y)) {
                if (First) return false;
                // Cannot happen after a first strip was drawn: the checks
                // depend on the sheet and the display only. Blitting the
                // rest keeps the picture whole all the same.
                const TOwnedSurface Strip = MakeStrip(Sheet, Piece, Width, Height, AcrossByColumn, K, DownByRow, L);
                if (Strip == nullptr) continue;
                DrawPiece(Strip.get(), MakeRect(0, 0, Width, Height), X + (AcrossByColumn ? K : 0),
                          Y + (DownByRow ? L : 0));
            }
            First = false;
        }
    return true;
}

} // namespace

void DrawStretched(SDL_Surface* Sheet, const SDL_Rect& Piece, int64_t X, int64_t Y, int64_t Columns,
                   int64_t Rows)
{
    if (Sheet == nullptr || Columns <= 0 || Rows <= 0 || Piece.w == 0 || Piece.h == 0) return;
    if (Columns == 1 && Rows == 1) {
        DrawPiece(Sheet, Piece, X, Y);
        return;
    }
    if (StripsFit(Sheet, Piece, X, Y, Columns, Rows) &&
        (BlendStrips(Sheet, Piece, X, Y, Columns, Rows) || DrawStrips(Sheet, Piece, X, Y, Columns, Rows)))
        return;
    DrawStretchedPlain(Sheet, Piece, X, Y, Columns, Rows);
}
