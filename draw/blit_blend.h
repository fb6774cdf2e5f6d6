#pragma once
// One pixel as SDL's blit leaves it, by the kind of source it comes from,
// on the display format: the blends of pixel_rules.h chosen as the
// desktop's SDL chooses them. The keyed blits (keyed_blit.h) use
// KeyedBlend, the fire's drawing (sim/fire/fire_draw.h) BlitBlend; the
// tests hold both to real blits.

#include <cstdint>

#include "draw/pixel_rules.h"

// An ink pixel Source (0x00RRGGBB) of a colour-keyed sheet over
// Destination, with per-surface alpha Alpha from 1 to 255, or without
// per-surface alpha when Alpha is negative: then its colour fields, the top
// byte 0. (Alpha 0 draws nothing, and the key's pixels are left out, before
// this is asked.)
inline uint32_t KeyedBlend(uint32_t Destination, uint32_t Source, int Alpha)
{
    return Alpha < 0 ? Source & ColourBits : FractionBlend(Destination, Source, Alpha);
}

// Source of a 32-bit surface without colour key over Destination with
// opacity Alpha (0 invisible, 255 opaque): ShiftedBlend. Part of DrawFire's
// fast path (docs/exactness.md); its reference is SDL's one-pixel blit, as
// DrawFirePlain makes it.
inline uint32_t BlitBlend(uint32_t Destination, uint32_t Source, uint8_t Alpha)
{
    return ShiftedBlend(Destination, Source, Alpha);
}
