#include "sim/fire/fire_palette.h"

#include <algorithm>

TFireColour FireColour(int32_t Heat)
{
    if (Heat >= 192) return {255, 255, 0};
    if (Heat >= 64) return {255, static_cast<uint8_t>(2 * Heat - 128), 0};
    if (Heat >= 1) return {static_cast<uint8_t>(4 * Heat), 0, 0};
    return {0, 0, 0};
}

uint8_t FireOpacity(int32_t Heat, uint8_t Intensity)
{
    if (Heat <= 0) return 0;
    const int64_t Opacity = static_cast<int64_t>(Heat) * Intensity / 255;
    return static_cast<uint8_t>(std::min<int64_t>(Opacity, 255));
}
