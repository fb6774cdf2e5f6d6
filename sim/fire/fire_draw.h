#pragma once
// Drawing the fire onto the display: each cell with positive heat is one
// display pixel, at (Left + column, Top + row) in display coordinates,
// blended over what is there in its colour with its opacity.

#include <cstdint>

#include "sim/fire/fire.h"

// Draws every lit cell of F onto Screen, column by column and top to
// bottom; Intensity (0..255) scales every cell's opacity. It draws through
// the shared scratch surface (FireScratchImage, display.h), so afterwards
// EmptyImage and EmptyImage2 are one surface. Does nothing while the display
// is closed.
//
// The pixels are blended straight into the display with the blit's own
// arithmetic (BlitBlend, draw/blit_blend.h), so the picture is the same, pixel for pixel, as
// DrawFirePlain's; for a display of another format it falls back to that.
// A fast path (docs/exactness.md).
void DrawFire(const TFireCell& F, uint8_t Intensity);

// The reference DrawFire is held to: one SDL blit per lit cell, the cell's
// colour written into the scratch pixel of FireScratchImage, which is given
// the cell's opacity and blitted onto the display. Up to 80 000 blits on
// the fire screen.
void DrawFirePlain(const TFireCell& F, uint8_t Intensity);
