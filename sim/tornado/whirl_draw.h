#pragma once
// Drawing the whirl on Screen: each ring's particle as one pixel (or a plus
// of five), its orbit flattened to an ellipse twice as wide as high.

#include <SDL.h>

#include "sim/tornado/whirl.h"

// Plots every particle in Colour (a display pixel value), centred. Ring b is
// lifted by (Capacity - 1 - b) * Lift, counted from Capacity rather than the
// rings held, so a growing funnel is drawn from the top down.
void DrawWhirl(const TWhirl& W, Uint32 Colour, bool Thick);
