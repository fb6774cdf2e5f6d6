#include <cstdint>
#include <cstring>
#include <string>

#include "web/error.h"
#include "web/surface_format.h"
#include "web/surfaces.h"

namespace WebSdl {

namespace {

uint32_t Little(const Uint8* P, int Bytes)
{
    uint32_t V = 0;
    for (int I = Bytes - 1; I >= 0; --I) V = (V << 8) | P[I];
    return V;
}

SDL_Surface* Refuse(const std::string& Reason)
{
    SetError(Reason);
    return nullptr;
}

} // namespace

SDL_Surface* LoadBMP(const Uint8* Bytes, size_t Size)
{
    constexpr size_t FileHeader = 14;
    if (Bytes == nullptr || Size < FileHeader + 40) return Refuse("Error reading from datastream");
    if (Bytes[0] != 'B' || Bytes[1] != 'M') return Refuse("File is not a Windows BMP file");
    const uint32_t DataOffset = Little(Bytes + 10, 4);
    const uint32_t InfoSize = Little(Bytes + 14, 4);
    if (InfoSize < 40) return Refuse("BMP files with OS/2 headers are not supported here");
    const auto Width = static_cast<int32_t>(Little(Bytes + 18, 4));
    const auto RawHeight = static_cast<int32_t>(Little(Bytes + 22, 4));
    const uint32_t Depth = Little(Bytes + 28, 2);
    const uint32_t Compression = Little(Bytes + 30, 4);
    if (Depth != 24 || Compression != 0) return Refuse("Only uncompressed 24-bit BMP files are supported here");
    // Rows stored top-down (a negative height) are refused, as the program's
    // header check refuses them before any decoder sees the file.
    if (RawHeight < 0) return Refuse("Top-down BMP files are not supported here");
    if (Width <= 0 || RawHeight == 0 || Width > 16384 || RawHeight > 16384) return Refuse("BMP size out of range");
    const int Height = RawHeight;
    const size_t Stride = (static_cast<size_t>(Width) * 3 + 3) & ~static_cast<size_t>(3);
    if (DataOffset > Size || (Size - DataOffset) / Stride < static_cast<size_t>(Height))
        return Refuse("Error reading from datastream");

    SDL_Surface* Image = CreateSurface(0, Width, Height, 24, RedMask, GreenMask, BlueMask, 0);
    if (Image == nullptr) return nullptr;
    for (int Row = 0; Row < Height; ++Row) {
        const Uint8* Line = Bytes + DataOffset + Stride * static_cast<size_t>(Row);
        std::memcpy(PixelAddress(Image, 0, Height - 1 - Row), Line, static_cast<size_t>(Width) * 3); // bottom row first
    }
    return Image;
}

} // namespace WebSdl
