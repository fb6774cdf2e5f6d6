#pragma once
// SDL's blit from a colour-keyed sprite sheet onto the display, done by a
// loop of the program's own from the sheet's pixels read once (sheet_pixels.h).
// SDL converts and keys every pixel of every blit (some 6 ns a pixel); the
// loop gives the same display, pixel for pixel: a pixel equal to the colour
// key leaves the display alone, alpha 0 draws nothing, and every other
// pixel is KeyedBlend's (blit_blend.h). That is the arithmetic of the SDL
// this program runs on; before the loop is first used it is checked against
// real blits, and where SDL differs every blit stays SDL's.

#include <SDL.h>

#include <cstdint>

#include "draw/blit_blend.h"
#include "draw/sheet_pixels.h"

// KeyedBlend of one ink colour Source over Count pixels of Row, with Alpha
// from 1 to 255; four pixels at a time where the processor allows, and
// four display pixels like the four before take their result again. A fast
// path (docs/exactness.md): the pixels BlendRunPlain gives.
void BlendRun(uint32_t* Row, int Count, uint32_t Source, int Alpha);

// The reference BlendRun is held to, and its way for the last pixels of a
// run: KeyedBlend pixel by pixel.
void BlendRunPlain(uint32_t* Row, int Count, uint32_t Source, int Alpha);

// KeyedBlend of Source[k] over Row[k] wherever Ink[k] is set, for k below
// Count; Alpha from 1 to 255, or negative for a sheet without alpha. A fast
// path (docs/exactness.md): the pixels BlendSpanPlain gives.
void BlendSpan(uint32_t* Row, const uint32_t* Source, const uint8_t* Ink, int Count, int Alpha);

// The reference BlendSpan is held to, and its way for the last pixels of a
// span: KeyedBlend pixel by pixel where there is ink.
void BlendSpanPlain(uint32_t* Row, const uint32_t* Source, const uint8_t* Ink, int Count, int Alpha);

// A Width x Height area whose pixel (x, y) is the sheet's pixel
// (Left + (OneColumn ? 0 : x), Top + (OneRow ? 0 : y)): a piece as it is,
// or one of its columns or rows repeated.
struct TSheetArea {
    int Left = 0, Top = 0;
    int Width = 0, Height = 0;
    bool OneColumn = false, OneRow = false;
};

// Draws Area with its top-left on Destination's pixel (X, Y) as blitting a
// surface that holds it (with Sheet's format, colour key and alpha) would:
// clipped to Destination's clipping rectangle only. Area must lie inside
// Sheet. Returns false, having drawn nothing, where the loop cannot promise
// SDL's pixels (another format, a sheet without colour key, an SDL whose
// blend differs, a display that cannot be locked); the caller blits then.
// A fast path (docs/exactness.md), held to SDL's blit of such a surface.
bool BlitSheetArea(SDL_Surface* Sheet, const TSheetArea& Area, SDL_Surface* Destination, int X, int Y);

// SDL_BlitSurface(Sheet, Piece, Destination, (X, Y)): Piece is first cut
// to the sheet, moving the target as the blitter does, then the target to
// Destination's clipping rectangle. Returns false as BlitSheetArea does.
// A fast path (docs/exactness.md): the pixels BlitSheetPiecePlain gives.
bool BlitSheetPiece(SDL_Surface* Sheet, const SDL_Rect& Piece, SDL_Surface* Destination, Sint16 X, Sint16 Y);

// The reference BlitSheetPiece is held to, and its callers' way where it
// returns false: SDL's own blit of Piece to (X, Y).
void BlitSheetPiecePlain(SDL_Surface* Sheet, const SDL_Rect& Piece, SDL_Surface* Destination, Sint16 X, Sint16 Y);

// Piece of Pixels (cut to them as the blitter cuts) drawn with per-surface
// alpha Alpha (negative: none) onto Destination at (X, Y), as a blit from a
// keyed 32-bit surface holding those pixels would draw it. The caller makes
// sure SDL blends such a surface as KeyedBlend does. False, having drawn
// nothing, for a destination of another format or one that cannot be locked.
bool BlitPixelsPiece(const TSheetPixels& Pixels, int Alpha, const SDL_Rect& Piece, SDL_Surface* Destination, Sint16 X,
                     Sint16 Y);

// Surface is of the display format (pixel_rules.h).
inline bool IsPlainDisplayFormat(const SDL_Surface* Surface)
{
    return Surface != nullptr && IsDisplayFormat(Surface->format);
}

// SDL blits keyed sheets of Bytes (3 or 4) bytes per pixel onto the display's
// format exactly as KeyedBlend says, at every alpha and without alpha:
// tried once per process on scratch surfaces.
bool BlitterMatchesKeyedBlend(int Bytes);
