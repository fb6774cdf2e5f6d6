#include "ui/sheets.h"

#include "draw/display.h"
#include "draw/surface.h"

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
    BlitAt(Sheet, Piece, Screen, ClipRect, BlitterCoord(X), BlitterCoord(Y), false);
}

void DrawStretched(SDL_Surface* Sheet, const SDL_Rect& Piece, int64_t X, int64_t Y, int64_t Columns,
                   int64_t Rows)
{
    for (int64_t I = 0; I < Columns; ++I)
        for (int64_t J = 0; J < Rows; ++J) DrawPiece(Sheet, Piece, X + I, Y + J);
}
