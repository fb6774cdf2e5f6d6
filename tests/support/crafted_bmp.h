#pragma once
// Small BMP files made byte by byte, to feed the image checks whatever a
// hostile or broken file may claim.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

struct TCraftedBmp {
    int32_t Width = 8;
    int32_t Height = 8;
    uint16_t Bits = 24;
    uint32_t Compression = 0;
    uint32_t HeaderSize = 40;  // 12 writes the old OS/2 header with 16-bit sizes
    int64_t PixelBytes = -1;   // bytes after the headers; -1: as many as the rows need

    std::vector<uint8_t> Bytes() const;
    void WriteTo(const std::filesystem::path& Path) const;
};
