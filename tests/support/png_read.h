#pragma once
// PNG files read back through libpng, as 8-bit red, green, blue.

#include <cstdint>
#include <filesystem>
#include <vector>

struct TPngPicture {
    int Width = 0;
    int Height = 0;
    std::vector<uint8_t> Rgb; // row by row from the top; empty when the file could not be read
};

TPngPicture ReadPng(const std::filesystem::path& Path);
