#include "png_writer.h"

#include <array>
#include <cstdint>
#include <fstream>
#include <stdexcept>
#include <vector>

namespace {

using TBytes = std::vector<uint8_t>;

uint32_t Crc32(const uint8_t* Data, size_t Size, uint32_t Crc = 0)
{
    static const std::array<uint32_t, 256> Table = [] {
        std::array<uint32_t, 256> T{};
        for (uint32_t N = 0; N < 256; ++N) {
            uint32_t C = N;
            for (int K = 0; K < 8; ++K) C = (C & 1) ? 0xEDB88320u ^ (C >> 1) : C >> 1;
            T[N] = C;
        }
        return T;
    }();
    Crc = ~Crc;
    for (size_t I = 0; I < Size; ++I) Crc = Table[(Crc ^ Data[I]) & 0xFF] ^ (Crc >> 8);
    return ~Crc;
}

uint32_t Adler32(const TBytes& Data)
{
    uint32_t A = 1, B = 0;
    for (uint8_t Byte : Data) {
        A = (A + Byte) % 65521;
        B = (B + A) % 65521;
    }
    return (B << 16) | A;
}

void PutBigEndian(TBytes& Out, uint32_t Value)
{
    for (int Shift = 24; Shift >= 0; Shift -= 8) Out.push_back(static_cast<uint8_t>(Value >> Shift));
}

// A zlib stream of stored (uncompressed) deflate blocks.
TBytes StoredZlib(const TBytes& Raw)
{
    TBytes Out = {0x78, 0x01};
    size_t Done = 0;
    do {
        const size_t Length = std::min<size_t>(65535, Raw.size() - Done);
        const bool Last = Done + Length == Raw.size();
        Out.push_back(Last ? 1 : 0);
        Out.push_back(static_cast<uint8_t>(Length));
        Out.push_back(static_cast<uint8_t>(Length >> 8));
        Out.push_back(static_cast<uint8_t>(~Length));
        Out.push_back(static_cast<uint8_t>(~Length >> 8));
        Out.insert(Out.end(), Raw.begin() + static_cast<std::ptrdiff_t>(Done),
                   Raw.begin() + static_cast<std::ptrdiff_t>(Done + Length));
        Done += Length;
    } while (Done < Raw.size());
    PutBigEndian(Out, Adler32(Raw));
    return Out;
}

void PutChunk(TBytes& Out, const char (&Type)[5], const TBytes& Data)
{
    PutBigEndian(Out, static_cast<uint32_t>(Data.size()));
    const size_t TypeAt = Out.size();
    Out.insert(Out.end(), Type, Type + 4);
    Out.insert(Out.end(), Data.begin(), Data.end());
    PutBigEndian(Out, Crc32(Out.data() + TypeAt, Out.size() - TypeAt));
}

} // namespace

void WritePng(const TCanvas& Canvas, const std::string& Path)
{
    TBytes Header;
    PutBigEndian(Header, static_cast<uint32_t>(Canvas.Width()));
    PutBigEndian(Header, static_cast<uint32_t>(Canvas.Height()));
    Header.insert(Header.end(), {8, 6, 0, 0, 0}); // 8 bits a channel, RGBA, no interlace

    TBytes Raw;
    for (int Y = 0; Y < Canvas.Height(); ++Y) {
        Raw.push_back(0); // no filter
        for (int X = 0; X < Canvas.Width(); ++X) {
            const TColour C = Canvas.At(X, Y);
            const bool Clear = C == KeyColour;
            Raw.insert(Raw.end(), {Clear ? uint8_t{0} : C.R, Clear ? uint8_t{0} : C.G, Clear ? uint8_t{0} : C.B,
                                   Clear ? uint8_t{0} : uint8_t{255}});
        }
    }

    TBytes File = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    PutChunk(File, "IHDR", Header);
    PutChunk(File, "IDAT", StoredZlib(Raw));
    PutChunk(File, "IEND", {});

    std::ofstream Out(Path, std::ios::binary);
    Out.write(reinterpret_cast<const char*>(File.data()), static_cast<std::streamsize>(File.size()));
    Out.close();
    if (!Out) throw std::runtime_error("cannot write " + Path);
}
