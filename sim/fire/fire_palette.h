#pragma once
// The look of a fire cell: its colour by heat, from dark red through red and
// orange to yellow, and its opacity on the display.

#include <cstdint>

struct TFireColour {
    uint8_t Red, Green, Blue; // 0..255 each
    bool operator==(const TFireColour&) const = default;
};

// Heat 192 and more: (255, 255, 0); 64..191: (255, 2 Heat - 128, 0);
// 1..63: (4 Heat, 0, 0). Heat 0 and below is never drawn: (0, 0, 0).
TFireColour FireColour(int32_t Heat);

// Opacity of a cell (0 invisible, 255 opaque): Heat * Intensity / 255 in
// integers.
// Heat 0 and below gives 0; heat beyond the 255 a step can produce is held
// at opaque rather than wrapped.
uint8_t FireOpacity(int32_t Heat, uint8_t Intensity);
