#pragma once
// The widget sprite sheets: where each piece lies on its sheet, the alpha
// that widgets are drawn with inside a translucent window, and the two ways
// a piece reaches the display (once, or repeated over a stretch).
//
// Every rectangle is (x, y, w, h) in pixels of its sheet. Pieces are drawn
// with BlitAt onto Screen with ClipRect as base, not centred, so a position
// is the display pixel of the piece's top-left corner. Positions are worked
// out in 64 bits and handed to the blitter cut to 16 bits, as SDL_Rect
// holds them.

#include <SDL.h>
#include <cstdint>

// ButtonImage: a 7x7 nine-slice block per look, cut after 3 pixels.
struct TNineSlice {
    SDL_Rect TopLeft, TopRight, BottomLeft, BottomRight; // 3x3 corners
    SDL_Rect Top, Bottom;                                // 1x3, repeated along the width
    SDL_Rect Left, Right;                                // 3x1, repeated along the height
    SDL_Rect Centre;                                     // 1x1, repeated over the face
};
constexpr TNineSlice ButtonNormal = {{0, 0, 3, 3}, {4, 0, 3, 3}, {0, 4, 3, 3}, {4, 4, 3, 3}, {3, 0, 1, 3},
                                     {3, 4, 1, 3}, {0, 3, 3, 1}, {4, 3, 3, 1}, {3, 3, 1, 1}};
constexpr TNineSlice ButtonArmed = {{0, 7, 3, 3},  {4, 7, 3, 3},  {0, 11, 3, 3}, {4, 11, 3, 3}, {3, 7, 1, 3},
                                    {3, 11, 1, 3}, {0, 10, 3, 1}, {4, 10, 3, 1}, {3, 10, 1, 1}};

// CheckImage and RadioImage: 13x13 cells, idle / hovered / hovered and
// armed across, unchecked / checked down.
constexpr int BoxSize = 13;
SDL_Rect BoxCell(bool Hover, bool Armed, bool Checked);

// WindowImage: a 35x27 frame cut at column 6 and row 23.
constexpr SDL_Rect WindowTitleLeft = {0, 0, 6, 23};
constexpr SDL_Rect WindowTitleMiddle = {6, 0, 1, 23}; // repeated along the width
constexpr SDL_Rect WindowTitleRight = {7, 0, 28, 23}; // holds the roll-up box
constexpr SDL_Rect WindowLeftSide = {0, 23, 6, 1};    // repeated per row
constexpr SDL_Rect WindowBody = {6, 23, 1, 1};        // repeated per pixel
constexpr SDL_Rect WindowRightSide = {7, 23, 28, 1};  // repeated per row
constexpr SDL_Rect WindowBottomLeft = {0, 24, 6, 3};
constexpr SDL_Rect WindowBottomEdge = {6, 24, 1, 3}; // repeated along the width
constexpr SDL_Rect WindowBottomRight = {7, 24, 28, 3};

// EditImage. The middle is two columns wide and is stepped one pixel at a
// time, so neighbouring copies overlap.
constexpr SDL_Rect EditLeftCap = {0, 0, 3, 22};
constexpr SDL_Rect EditMiddle = {3, 0, 2, 22};
constexpr SDL_Rect EditRightCap = {4, 0, 3, 22};
constexpr SDL_Rect EditSelection = {7, 0, 1, 22}; // selection and caret column

// SpinImage: 15x11 arrows, idle / hovered / pressed across, up / down.
constexpr int SpinArrowWidth = 15;
constexpr int SpinArrowHeight = 11;
SDL_Rect SpinCell(bool Up, bool Hover, bool Pressed);

// ProgressImage.
constexpr SDL_Rect ProgressLeftCap = {0, 0, 4, 17};
constexpr SDL_Rect ProgressMiddle = {4, 0, 1, 17}; // repeated along the width
constexpr SDL_Rect ProgressRightCap = {5, 0, 4, 17};
constexpr SDL_Rect ProgressBlock = {9, 0, 8, 17};

// Alpha of the six widget sheets inside a window whose frame has Alpha:
// 255 - 3 * (255 - Alpha) / 2 in integers, so widgets fade faster than the
// frame.
// Below the 85 that no window reaches it would go negative; it stops at 0.
Uint8 WidgetAlpha(Uint8 Alpha);

// A position as the blitter sees it: cut to the 16 bits of SDL_Rect.
int BlitterCoord(int64_t V);

// Blits Piece of Sheet with its top-left corner on display pixel (X, Y),
// through the program's own keyed blit where it can (BlitSheetPiece).
void DrawPiece(SDL_Surface* Sheet, const SDL_Rect& Piece, int64_t X, int64_t Y);

// Draws exactly what blitting Piece at (X + i, Y + j) for i = 0 .. Columns
// - 1 (outer) and j = 0 .. Rows - 1 (inner) draws; nothing when either
// count is 0 or less. Pieces wider or taller than one pixel overlap their
// neighbours, and with a translucent sheet each copy blends over the ones
// before it. The copies are drawn as a few whole strips rather than one
// blit per pixel (a window's body alone is some 70,000 copies). A fast path
// (docs/exactness.md): the pixels DrawStretchedPlain gives.
void DrawStretched(SDL_Surface* Sheet, const SDL_Rect& Piece, int64_t X, int64_t Y, int64_t Columns,
                   int64_t Rows);

// The reference DrawStretched is held to, and its way where strips cannot
// reproduce the copies: one SDL blit per copy at (X + i, Y + j), columns
// outer, rows inner, each position cut to the blitter's 16 bits.
void DrawStretchedPlain(SDL_Surface* Sheet, const SDL_Rect& Piece, int64_t X, int64_t Y, int64_t Columns,
                        int64_t Rows);
