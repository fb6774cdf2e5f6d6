#pragma once
// Saves a canvas as a PNG with an alpha channel, through libpng (the
// program's own PNG writer, app/png_file.h): key-coloured pixels become
// fully transparent, every other pixel opaque. For the desktop icons, which
// must be PNG.

#include <string>

#include "canvas.h"

// Throws std::runtime_error naming Path when the file cannot be written.
void WritePng(const TCanvas& Canvas, const std::string& Path);
