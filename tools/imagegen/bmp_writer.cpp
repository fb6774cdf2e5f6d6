#include "bmp_writer.h"

#include <cstdint>
#include <fstream>
#include <stdexcept>
#include <vector>

namespace {

constexpr uint32_t FileHeaderSize = 14;
constexpr uint32_t InfoHeaderSize = 40;
constexpr uint32_t PixelsPerMetre = 2835; // 72 dpi, what most tools write

void PutLittleEndian(std::vector<uint8_t>& Bytes, uint32_t Value, int Count)
{
    for (int I = 0; I < Count; ++I) Bytes.push_back(static_cast<uint8_t>(Value >> (8 * I)));
}

} // namespace

void WriteBmp(const TCanvas& Canvas, const std::string& Path)
{
    const auto Width = static_cast<uint32_t>(Canvas.Width());
    const auto Height = static_cast<uint32_t>(Canvas.Height());
    const uint32_t RowBytes = (Width * 3 + 3) / 4 * 4; // rows are padded to 4 bytes
    const uint32_t PixelBytes = RowBytes * Height;
    const uint32_t Offset = FileHeaderSize + InfoHeaderSize;

    std::vector<uint8_t> Bytes;
    Bytes.reserve(Offset + PixelBytes);
    Bytes.push_back('B');
    Bytes.push_back('M');
    PutLittleEndian(Bytes, Offset + PixelBytes, 4);
    PutLittleEndian(Bytes, 0, 4); // reserved
    PutLittleEndian(Bytes, Offset, 4);

    PutLittleEndian(Bytes, InfoHeaderSize, 4);
    PutLittleEndian(Bytes, Width, 4);
    PutLittleEndian(Bytes, Height, 4); // positive: rows are stored bottom-up
    PutLittleEndian(Bytes, 1, 2);      // planes
    PutLittleEndian(Bytes, 24, 2);     // bits per pixel
    PutLittleEndian(Bytes, 0, 4);      // no compression
    PutLittleEndian(Bytes, PixelBytes, 4);
    PutLittleEndian(Bytes, PixelsPerMetre, 4);
    PutLittleEndian(Bytes, PixelsPerMetre, 4);
    PutLittleEndian(Bytes, 0, 4); // colours used: none, no palette
    PutLittleEndian(Bytes, 0, 4); // important colours

    for (int Row = Canvas.Height() - 1; Row >= 0; --Row) {
        for (int Column = 0; Column < Canvas.Width(); ++Column) {
            const TColour Pixel = Canvas.At(Column, Row);
            Bytes.push_back(Pixel.B);
            Bytes.push_back(Pixel.G);
            Bytes.push_back(Pixel.R);
        }
        for (uint32_t Pad = Width * 3; Pad < RowBytes; ++Pad) Bytes.push_back(0);
    }

    std::ofstream File(Path, std::ios::binary | std::ios::trunc);
    if (!File) throw std::runtime_error("cannot create " + Path);
    File.write(reinterpret_cast<const char*>(Bytes.data()), static_cast<std::streamsize>(Bytes.size()));
    if (!File) throw std::runtime_error("cannot write " + Path);
}
