#pragma once
// PNG files written through libpng: 8 bits a channel, red, green, blue and,
// with four channels, alpha (not premultiplied), rows from the top.

#include <cstdint>
#include <cstdio>
#include <string>

// Writes the Width x Height pixels of Channels (3 or 4) bytes each, row
// after row without gaps, as a PNG into File, open for writing, which the
// caller closes. On a failure returns false with libpng's reason.
bool WritePngFile(std::FILE* File, int Width, int Height, int Channels, const uint8_t* Pixels, std::string& Reason);
