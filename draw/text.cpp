#include "draw/text.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cstdint>
#include <cstring>
#include <vector>

#include "draw/display.h"
#include "draw/pixels.h"
#include "draw/sheet_pixels.h"
#include "draw/surface.h"
#include "draw/surface_lock.h"

// Letters, digits with 0 last, punctuation, then the Polish letters and the
// pilcrow in Windows-1250: ąćęłńóśźżĄĆĘŁŃÓŚŹŻ¶.
const std::string_view FontCharset =
    "abcdefghijklmnopqrstuvwxyz"
    "ABCDEFGHIJKLMNOPQRSTUVWXYZ"
    "1234567890"
    "`~!@#$%^&*()-=_+[]{};\\:\"|,./<>?"
    "\xB9\xE6\xEA\xB3\xF1\xF3\x9C\x9F\xBF\xA5\xC6\xCA\xA3\xD1\xD3\x8C\x8F\xAF\xB6";

namespace {

constexpr int CellWidth = 8;
constexpr int CellHeight = 16;
constexpr int Glyphs = 112;

// A glyph's ink: offsets from its cell's top-left, in the order BlitColoured
// visits them (columns outer, rows inner).
struct TInk {
    int8_t X, Y;
};
using TGlyphInk = std::vector<TInk>;

// Ink of every cell of both styles, listed from the sheet read as Generation.
struct TFontInk {
    uint64_t Generation = 0;
    std::array<std::array<TGlyphInk, Glyphs>, 2> Cells;
};

// The cell of 0-based glyph Index in Style, cut to the sheet as
// BlitColoured cuts it.
TGlyphInk ListInk(const TSheetPixels& Font, int Index, int Style)
{
    TGlyphInk Ink;
    const int Left = CellWidth * (Index + 1), Top = Style == 1 ? CellHeight : 0;
    for (int X = Left; X < Left + CellWidth && X < Font.Width; ++X)
        for (int Y = Top; Y < Top + CellHeight && Y < Font.Height; ++Y)
            if (Font.IsInk(X, Y)) Ink.push_back({static_cast<int8_t>(X - Left), static_cast<int8_t>(Y - Top)});
    return Ink;
}

// The ink of the loaded font sheet; null where the sheet cannot be read
// as a plain keyed sheet (DrawTextPlain then draws, reading it pixel by pixel).
const TFontInk* FontInk()
{
    static TFontInk Listed;
    const TSheetPixels* Font = CachedSheetPixels(FontImage);
    if (Font == nullptr || FontImage->format->BytesPerPixel != 4) return nullptr;
    if (Listed.Generation != Font->Generation) {
        for (int Style = 0; Style < 2; ++Style)
            for (int I = 0; I < Glyphs; ++I) Listed.Cells[Style][I] = ListInk(*Font, I, Style);
        Listed.Generation = Font->Generation;
    }
    return &Listed;
}

// PutPixel's one-based writes of a glyph's ink with the cell's top-left at
// one-based (Column, Row): what lies outside 1..800 x 1..600 or the display
// is skipped.
void WriteGlyph(const TGlyphInk& Ink, int64_t Column, int64_t Row, Uint32 Colour)
{
    const int64_t Columns = std::min<int64_t>(DisplayWidth, Screen->w);
    const int64_t Rows = std::min<int64_t>(DisplayHeight, Screen->h);
    auto* const Pixels = static_cast<Uint8*>(Screen->pixels);
    const bool Inside = Column >= 1 && Row >= 1 && Column - 1 + CellWidth <= Columns && Row - 1 + CellHeight <= Rows;
    for (const TInk& P : Ink) {
        const int64_t X = Column - 1 + P.X, Y = Row - 1 + P.Y;
        if (!Inside && (X < 0 || X >= Columns || Y < 0 || Y >= Rows)) continue;
        std::memcpy(Pixels + Y * Screen->pitch + X * 4, &Colour, 4);
    }
}

} // namespace

void DrawText(int X, int Y, Uint32 Colour, const std::string& Text, bool Centred, Uint8 Style)
{
    const TSurfaceLock Lock(Screen); // for both ways of drawing; neither blits
    const TFontInk* Ink = Lock.Locked() && Screen->format->BytesPerPixel == 4 ? FontInk() : nullptr;
    if (Ink != nullptr) {
        // The positions BlitColoured would reach: the pen in SDL_Rect's 16 bits.
        const Sint16 PenY = MakeRect(X, Y, 0, 0).y;
        Sint16 PenX = MakeRect(X, Y, 0, 0).x;
        const int Cell = Style == 1 ? 1 : 0;
        for (const char Character : Text) {
            const size_t Index = FontCharset.find(Character);
            assert(Index == std::string_view::npos || Index < Glyphs);
            if (Index != std::string_view::npos)
                WriteGlyph(Ink->Cells[Cell][Index], int64_t{PenX} + (Centred ? OriginX : 0),
                           int64_t{PenY} + (Centred ? OriginY : 0), Colour);
            PenX = static_cast<Sint16>(PenX + CellWidth);
        }
        return;
    }
    DrawTextPlain(X, Y, Colour, Text, Centred, Style);
}

void DrawTextPlain(int X, int Y, Uint32 Colour, const std::string& Text, bool Centred, Uint8 Style)
{
    const TSurfaceLock Lock(Screen); // once for all the cells
    SDL_Rect Glyph = MakeRect(0, Style == 1 ? CellHeight : 0, CellWidth, CellHeight);
    SDL_Rect Pen = MakeRect(X, Y, 0, 0);
    for (const char Character : Text) {
        const size_t Index = FontCharset.find(Character);
        if (Index != std::string_view::npos) {
            Glyph.x = static_cast<Sint16>(CellWidth * (Index + 1));
            BlitColoured(FontImage, Glyph, Screen, Pen, Colour, 0, 0, Centred);
        }
        Pen.x = static_cast<Sint16>(Pen.x + CellWidth);
    }
}
