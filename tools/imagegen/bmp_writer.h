#pragma once
// Saves a canvas as an uncompressed 24-bit BMP. Paletted sheets vanish when
// blitted at full alpha and 32-bit ones with an alpha channel lose their
// colour key, so 24 bits is the one depth every sheet uses.

#include <string>

#include "canvas.h"

// Throws std::runtime_error naming Path when the file cannot be written.
void WriteBmp(const TCanvas& Canvas, const std::string& Path);
