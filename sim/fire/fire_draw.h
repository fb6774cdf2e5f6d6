#pragma once
// Drawing the fire onto the display: each cell with positive heat is one
// display pixel, at (Left + column, Top + row) in display coordinates,
// blended over what is there in its colour with its opacity.

#include <cstdint>

#include "sim/fire/fire.h"

// Draws every lit cell of F onto Screen, column by column and top to
// bottom; Intensity (0..255) scales every cell's opacity. EmptyImage is
// made to refer to the surface of EmptyImage2 (a separate surface it held is
// released). Does nothing while the display is closed.
void DrawFire(const TFireCell& F, uint8_t Intensity);
