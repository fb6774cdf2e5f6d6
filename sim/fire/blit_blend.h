#pragma once
// The arithmetic of SDL's blit with per-surface opacity, for the one pair of
// formats the fire uses: 32-bit pixels with 8-bit red, green and blue at
// bits 16, 8 and 0 and an unused top byte, on both sides, and a source
// without colour key. Drawing a pixel this way leaves the display exactly as
// a one-pixel blit would; the fire's tests compare it with real blits for
// every source value, destination value and opacity the fire can meet.

#include <cstdint>

// Mask of the colour fields in that format.
constexpr uint32_t BlitColourMask = 0x00FFFFFF;

// The destination pixel after Source is blitted onto Destination with
// opacity Alpha (0 invisible, 255 opaque):
//   Alpha 0:   Destination, untouched;
//   Alpha 255: Source's colour fields, top byte 0;
//   Alpha 128: each field (S + D) / 2 rounded down, top byte 0;
//   otherwise: each field D + floor((S - D) * Alpha / 256), Destination's
//              top byte kept.
// Part of DrawFire's fast path (docs/exactness.md); its reference is SDL's
// one-pixel blit, as DrawFirePlain makes it.
uint32_t BlitBlend(uint32_t Destination, uint32_t Source, uint8_t Alpha);
