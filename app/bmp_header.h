#pragma once
// What a BMP file's header claims, checked before the decoder allocates
// anything: a few bytes can claim a picture of gigabytes, so each sheet is
// held to a size that fits what the program draws from it.

#include <cstdint>
#include <span>
#include <string>

// The sizes an image may have, in pixels, both ends inclusive.
struct TImageBounds {
    int MinWidth, MinHeight;
    int MaxWidth, MaxHeight;
};

// Why the BMP in Bytes is refused, or the empty string when its header is
// within Bounds and its uncompressed pixel rows all lie inside the file.
// Bytes that do not start with "BM" pass: the decoder refuses them itself
// before it allocates.
std::string CheckBmpHeader(std::span<const uint8_t> Bytes, const TImageBounds& Bounds);

// The most bytes a file of an image within Bounds can need: headers, a full
// palette and 32-bit rows, with room for a run-length stream that grew.
uint64_t MaxBmpFileBytes(const TImageBounds& Bounds);
