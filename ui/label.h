#pragma once
// TLabel: a line of static text. Labels take no input.

#include <SDL.h>
#include <string>

#include "sim/geometry/vector.h"

struct TLabel {
    TVector Pos;         // the text's pen position, pixels from the window's content origin
    std::string Caption; // Windows-1250
};

// Note the order: position first, then the caption.
TLabel CreateLabel(int X, int Y, const std::string& Caption);

// The caption in Color (a display pixel value), offset by (OffX, OffY).
void DrawLabel(TLabel& L, Uint32 Color, double OffX, double OffY);
