#include "app/bmp_header.h"

namespace {

// "BM", file size, two reserved words, offset of the pixel data.
constexpr size_t FileHeaderBytes = 14;
constexpr size_t CoreHeaderBytes = 12; // the old OS/2 header: 16-bit sizes
constexpr size_t InfoHeaderBytes = 40; // the Windows header and its longer kin: 32-bit signed sizes

enum : uint32_t { Uncompressed = 0, RunLength8 = 1, RunLength4 = 2, BitFields = 3 };

uint32_t Le16(std::span<const uint8_t> B, size_t At) { return B[At] | B[At + 1] << 8; }

uint32_t Le32(std::span<const uint8_t> B, size_t At)
{
    return B[At] | B[At + 1] << 8 | B[At + 2] << 16 | static_cast<uint32_t>(B[At + 3]) << 24;
}

bool IsBmpDepth(uint32_t Bits)
{
    return Bits == 1 || Bits == 2 || Bits == 4 || Bits == 8 || Bits == 16 || Bits == 24 || Bits == 32;
}

std::string SizeText(int64_t Width, int64_t Height) { return std::to_string(Width) + "x" + std::to_string(Height); }

struct TClaim {
    int64_t Width, Height;
    uint32_t Bits, Compression, DataOffset;
};

} // namespace

std::string CheckBmpHeader(std::span<const uint8_t> Bytes, const TImageBounds& Bounds)
{
    if (Bytes.size() < 2 || Bytes[0] != 'B' || Bytes[1] != 'M') return "";
    const std::string Truncated = "the file ends inside its header (" + std::to_string(Bytes.size()) + " bytes)";
    if (Bytes.size() < FileHeaderBytes + 4) return Truncated;

    const uint32_t HeaderSize = Le32(Bytes, FileHeaderBytes);
    TClaim Claim{};
    Claim.DataOffset = Le32(Bytes, 10);
    if (HeaderSize == CoreHeaderBytes) {
        if (Bytes.size() < FileHeaderBytes + CoreHeaderBytes) return Truncated;
        Claim.Width = Le16(Bytes, 18);
        Claim.Height = Le16(Bytes, 20);
        Claim.Bits = Le16(Bytes, 24);
        Claim.Compression = Uncompressed;
    } else if (HeaderSize >= InfoHeaderBytes) {
        if (Bytes.size() < FileHeaderBytes + InfoHeaderBytes) return Truncated;
        Claim.Width = static_cast<int32_t>(Le32(Bytes, 18));
        Claim.Height = static_cast<int32_t>(Le32(Bytes, 22));
        Claim.Bits = Le16(Bytes, 28);
        Claim.Compression = Le32(Bytes, 30);
    } else {
        return ""; // a header the decoder does not know: it says so itself
    }

    const std::string Claimed = SizeText(Claim.Width, Claim.Height);
    if (Claim.Width <= 0 || Claim.Height <= 0)
        return "the image claims " + Claimed + " pixels; both sizes must be positive (rows stored top-down are not read)";
    if (Claim.Width > Bounds.MaxWidth || Claim.Height > Bounds.MaxHeight)
        return "the image claims " + Claimed + " pixels, more than the " + SizeText(Bounds.MaxWidth, Bounds.MaxHeight) +
               " this picture may have";
    if (Claim.Width < Bounds.MinWidth || Claim.Height < Bounds.MinHeight)
        return "the image is " + Claimed + ", at least " + SizeText(Bounds.MinWidth, Bounds.MinHeight) + " is needed";
    if (!IsBmpDepth(Claim.Bits)) return std::to_string(Claim.Bits) + " bits per pixel is not a BMP depth";

    if (Claim.Compression == Uncompressed || Claim.Compression == BitFields) {
        // Rows are padded to whole 32-bit words. All values are small now.
        const uint64_t RowBytes = (static_cast<uint64_t>(Claim.Width) * Claim.Bits + 31) / 32 * 4;
        const uint64_t Needed = uint64_t{Claim.DataOffset} + RowBytes * static_cast<uint64_t>(Claim.Height);
        if (Needed > Bytes.size())
            return "the file holds " + std::to_string(Bytes.size()) + " bytes, too few for its " + Claimed +
                   " pixels at " + std::to_string(Claim.Bits) + " bits (" + std::to_string(Needed) + " needed)";
    }
    return "";
}

uint64_t MaxBmpFileBytes(const TImageBounds& Bounds)
{
    // Headers up to the longest kind, a palette of 256 colours and room for
    // whatever a paint program appends, then the largest rows: 32 bits a
    // pixel uncompressed, or a run-length stream of 2 bytes a pixel and an
    // end-of-line mark a row.
    constexpr uint64_t Slack = 64 * 1024;
    const uint64_t W = static_cast<uint64_t>(Bounds.MaxWidth);
    const uint64_t H = static_cast<uint64_t>(Bounds.MaxHeight);
    return Slack + 4 * W * H + 4 * H;
}
