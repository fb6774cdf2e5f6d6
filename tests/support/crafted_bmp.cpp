#include "support/crafted_bmp.h"

#include <fstream>

namespace {

void Put16(std::vector<uint8_t>& B, uint32_t V)
{
    B.push_back(static_cast<uint8_t>(V));
    B.push_back(static_cast<uint8_t>(V >> 8));
}

void Put32(std::vector<uint8_t>& B, uint32_t V)
{
    Put16(B, V & 0xFFFF);
    Put16(B, V >> 16);
}

} // namespace

std::vector<uint8_t> TCraftedBmp::Bytes() const
{
    const uint32_t PaletteBytes = Bits <= 8 ? 4u << Bits : 0;
    const uint32_t DataOffset = 14 + HeaderSize + PaletteBytes;
    const int64_t RowBytes = (static_cast<int64_t>(Width) * Bits + 31) / 32 * 4;
    const int64_t Pixels = PixelBytes >= 0 ? PixelBytes : RowBytes * (Height < 0 ? -int64_t{Height} : Height);

    std::vector<uint8_t> B = {'B', 'M'};
    Put32(B, static_cast<uint32_t>(DataOffset + Pixels));
    Put32(B, 0);
    Put32(B, DataOffset);
    Put32(B, HeaderSize);
    if (HeaderSize == 12) {
        Put16(B, static_cast<uint32_t>(Width));
        Put16(B, static_cast<uint32_t>(Height));
        Put16(B, 1);
        Put16(B, Bits);
    } else {
        Put32(B, static_cast<uint32_t>(Width));
        Put32(B, static_cast<uint32_t>(Height));
        Put16(B, 1);
        Put16(B, Bits);
        Put32(B, Compression);
        for (int Field = 0; Field < 5; ++Field) Put32(B, 0); // image size, resolutions, colours used, important
        B.resize(14 + HeaderSize, 0);
    }
    for (uint32_t I = 0; I < PaletteBytes; ++I) B.push_back(static_cast<uint8_t>(I * 7));
    for (int64_t I = 0; I < Pixels; ++I) B.push_back(static_cast<uint8_t>(I * 13));
    return B;
}

void TCraftedBmp::WriteTo(const std::filesystem::path& Path) const
{
    const std::vector<uint8_t> B = Bytes();
    std::ofstream(Path, std::ios::binary).write(reinterpret_cast<const char*>(B.data()), static_cast<std::streamsize>(B.size()));
}
