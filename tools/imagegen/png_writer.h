#pragma once
// Saves a canvas as a PNG with an alpha channel: key-coloured pixels become
// fully transparent, every other pixel opaque. For the desktop icons, which
// must be PNG; the data is stored without compression, which keeps the
// writer small and the package's own compression takes care of the size.

#include <string>

#include "canvas.h"

// Throws std::runtime_error naming Path when the file cannot be written.
void WritePng(const TCanvas& Canvas, const std::string& Path);
