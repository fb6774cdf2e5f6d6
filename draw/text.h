#pragma once
// Bitmap-font text: every character is an 8x16 cell of the font sheet,
// painted in one flat colour. Text is Windows-1250.

#include <SDL.h>
#include <string>
#include <string_view>

// The 112 characters of the font sheet, in cell order: the cell of the
// character at 1-based position p starts at x = 8 * p.
extern const std::string_view FontCharset;

// Draws Text on Screen with the first cell's pen at (X, Y) (plus the Origin
// when Centred); the pen advances 8 pixels per character, drawn or not.
// Style 0 uses the sheet's upper glyph row, style 1 the lower (bold) one.
// The one-based pixel writer puts the cell's top-left on (X - 1, Y - 1).
// Each glyph's ink pixels are listed once from the font sheet and written
// straight into the display. A fast path (docs/exactness.md): the pixels
// DrawTextPlain paints, which it falls back to for a sheet or display of
// another kind.
void DrawText(int X, int Y, Uint32 Colour, const std::string& Text, bool Centred, Uint8 Style);

// The reference DrawText is held to: every cell painted from the sheet by
// BlitColoured, the pen kept in SDL_Rect's 16 bits.
void DrawTextPlain(int X, int Y, Uint32 Colour, const std::string& Text, bool Centred, Uint8 Style);
