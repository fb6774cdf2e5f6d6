#include "sim/fire/blit_blend.h"

namespace {

// One 8-bit field at Shift: D + floor((S - D) * Alpha / 256). The shift of
// a negative product rounds down, as the blitter's does.
uint32_t BlendField(uint32_t Destination, uint32_t Source, int Alpha, int Shift)
{
    const int D = static_cast<int>((Destination >> Shift) & 0xFFu);
    const int S = static_cast<int>((Source >> Shift) & 0xFFu);
    return static_cast<uint32_t>(D + (((S - D) * Alpha) >> 8)) << Shift;
}

// One 8-bit field at Shift: (S + D) / 2, rounded down.
uint32_t HalfField(uint32_t Destination, uint32_t Source, int Shift)
{
    return ((((Destination >> Shift) & 0xFFu) + ((Source >> Shift) & 0xFFu)) >> 1) << Shift;
}

} // namespace

uint32_t BlitBlend(uint32_t Destination, uint32_t Source, uint8_t Alpha)
{
    switch (Alpha) {
    case 0:
        return Destination;
    case 255:
        return Source & BlitColourMask;
    case 128:
        return HalfField(Destination, Source, 16) | HalfField(Destination, Source, 8) |
               HalfField(Destination, Source, 0);
    default:
        return (Destination & ~BlitColourMask) | BlendField(Destination, Source, Alpha, 16) |
               BlendField(Destination, Source, Alpha, 8) | BlendField(Destination, Source, Alpha, 0);
    }
}
