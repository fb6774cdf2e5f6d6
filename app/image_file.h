#pragma once
// One image file, from the disk to an SDL surface: opened without blocking,
// refused unless it is a regular file no larger than its picture can need,
// read once into memory, its BMP header checked against the picture's
// bounds, and only then decoded by SDL from that memory.

#include <SDL.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/bmp_header.h"

// The bytes of the BMP at Path for a picture within Bounds, or nothing with
// Reason saying why: the system's own reason when the file cannot be opened
// or read ("No such file or directory", "Is a directory", ...), or what is
// wrong with the file.
std::optional<std::vector<uint8_t>> ReadImageFile(const std::string& Path, const TImageBounds& Bounds,
                                                  std::string& Reason);

// A new surface decoded from checked bytes, or null with SDL's reason.
SDL_Surface* DecodeImage(const std::vector<uint8_t>& Bytes, std::string& Reason);
