#pragma once
// What check boxes and radio boxes share: the same fields, drawn from
// different sheets.

#include <SDL.h>

#include "draw/text.h"
#include "sim/geometry/rounding.h"
#include "ui/hot_rect.h"
#include "ui/press.h"
#include "ui/sheets.h"

// The box's cell from Sheet, then its caption with the pen level with the
// box's top, 18 pixels to its right.
template <typename TBox>
void DrawBox(SDL_Surface* Sheet, const TBox& Box, double OffX, double OffY)
{
    const int64_t L = Round(static_cast<Extended>(Box.Pos.X) + OffX);
    const int64_t T = Round(static_cast<Extended>(Box.Pos.Y) + OffY);
    DrawPiece(Sheet, BoxCell(Box.Hover, Box.Armed, Box.Checked), L, T);
    DrawText(BlitterCoord(L + 18), BlitterCoord(T), Box.Color, Box.Caption, false, 0);
}

// The press protocol on the 13x13 box; the caption is not part of it.
template <typename TBox>
void UpdateBox(TBox& Box, bool Active, double OffX, double OffY)
{
    const THotRect Hot = {Displaced(Box.Pos.X, OffX), Displaced(Box.Pos.Y, OffY), Displaced(Box.Pos.X, OffX, BoxSize),
                          Displaced(Box.Pos.Y, OffY, BoxSize)};
    UpdatePress(Box.Hover, Box.Armed, Box.Clicked, &Box.Checked, Active, Hot);
}
