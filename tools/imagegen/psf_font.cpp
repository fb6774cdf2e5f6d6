#include "psf_font.h"

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>
#include <stdexcept>

namespace {

constexpr uint8_t Psf1Magic[2] = {0x36, 0x04};
constexpr uint8_t Psf2Magic[4] = {0x72, 0xB5, 0x4A, 0x86};
constexpr uint8_t GzipMagic[2] = {0x1F, 0x8B};

constexpr uint8_t Psf1Mode512 = 0x01;
constexpr uint8_t Psf1ModeHasTable = 0x02;
constexpr uint8_t Psf1ModeHasSequences = 0x04;
constexpr uint16_t Psf1Separator = 0xFFFF;
constexpr uint16_t Psf1StartSequence = 0xFFFE;

constexpr uint32_t Psf2HasTable = 0x01;
constexpr uint8_t Psf2Separator = 0xFF;
constexpr uint8_t Psf2StartSequence = 0xFE;

using TBytes = std::vector<uint8_t>;

TBytes ReadFile(const std::string& Path)
{
    std::ifstream File(Path, std::ios::binary);
    if (!File) throw std::runtime_error("cannot open " + Path);
    return TBytes(std::istreambuf_iterator<char>(File), std::istreambuf_iterator<char>());
}

// The fonts ship gzip-compressed; gzip itself unpacks them, which spares the
// build a compression library.
TBytes Gunzip(const std::string& Path)
{
    std::string Quoted = "'";
    for (const char Character : Path) Quoted += Character == '\'' ? std::string("'\\''") : std::string(1, Character);
    Quoted += "'";
    const std::string Command = "gzip -dc -- " + Quoted;
    std::unique_ptr<FILE, int (*)(FILE*)> Pipe(popen(Command.c_str(), "r"), pclose);
    if (!Pipe) throw std::runtime_error("cannot run gzip on " + Path);
    TBytes Bytes;
    uint8_t Buffer[4096];
    size_t Count;
    while ((Count = fread(Buffer, 1, sizeof Buffer, Pipe.get())) > 0)
        Bytes.insert(Bytes.end(), Buffer, Buffer + Count);
    if (pclose(Pipe.release()) != 0) throw std::runtime_error("gzip could not unpack " + Path);
    return Bytes;
}

bool StartsWith(const TBytes& Bytes, const uint8_t* Magic, size_t Size)
{
    if (Bytes.size() < Size) return false;
    for (size_t I = 0; I < Size; ++I)
        if (Bytes[I] != Magic[I]) return false;
    return true;
}

uint32_t Word32(const TBytes& Bytes, size_t At)
{
    return static_cast<uint32_t>(Bytes[At]) | static_cast<uint32_t>(Bytes[At + 1]) << 8 |
           static_cast<uint32_t>(Bytes[At + 2]) << 16 | static_cast<uint32_t>(Bytes[At + 3]) << 24;
}

// Decodes one UTF-8 character of the PSF2 table at Bytes[At], advancing At.
char32_t NextUtf8(const TBytes& Bytes, size_t& At, const std::string& Path)
{
    const uint8_t Lead = Bytes[At++];
    int Extra = Lead < 0x80             ? 0
                : (Lead & 0xE0) == 0xC0 ? 1
                : (Lead & 0xF0) == 0xE0 ? 2
                : (Lead & 0xF8) == 0xF0 ? 3
                                        : -1;
    if (Extra < 0) throw std::runtime_error("bad UTF-8 in the Unicode table of " + Path);
    char32_t CodePoint = Extra == 0 ? Lead : Lead & (0x3F >> Extra);
    for (; Extra > 0; --Extra) {
        if (At >= Bytes.size() || (Bytes[At] & 0xC0) != 0x80)
            throw std::runtime_error("bad UTF-8 in the Unicode table of " + Path);
        CodePoint = CodePoint << 6 | (Bytes[At++] & 0x3F);
    }
    return CodePoint;
}

} // namespace

// Reads the two PSF layouts into a TPsfFont.
class TPsfParser {
public:
    TPsfParser(TBytes FontBytes, std::string FontPath) : Bytes(std::move(FontBytes)), Path(std::move(FontPath)) {}

    TPsfFont Parse()
    {
        if (StartsWith(Bytes, Psf1Magic, sizeof Psf1Magic)) return ParsePsf1();
        if (StartsWith(Bytes, Psf2Magic, sizeof Psf2Magic)) return ParsePsf2();
        throw std::runtime_error(Path + " is not a PSF console font");
    }

private:
    TBytes Bytes;
    std::string Path;

    void Need(size_t End) const
    {
        if (End > Bytes.size()) throw std::runtime_error(Path + " is cut short");
    }

    void ReadGlyphs(TPsfFont& Font, size_t First, size_t Count, size_t BytesPerGlyph) const
    {
        const size_t RowBytes = (static_cast<size_t>(Font.GlyphWidth) + 7) / 8;
        Need(First + Count * BytesPerGlyph);
        for (size_t Index = 0; Index < Count; ++Index) {
            TGlyph Glyph{Font.GlyphWidth, Font.GlyphHeight, {}};
            Glyph.Ink.resize(static_cast<size_t>(Font.GlyphWidth) * static_cast<size_t>(Font.GlyphHeight));
            const size_t Start = First + Index * BytesPerGlyph;
            for (int Y = 0; Y < Font.GlyphHeight; ++Y)
                for (int X = 0; X < Font.GlyphWidth; ++X) {
                    const uint8_t Byte =
                        Bytes[Start + static_cast<size_t>(Y) * RowBytes + static_cast<size_t>(X) / 8];
                    Glyph.Ink[static_cast<size_t>(Y * Font.GlyphWidth + X)] = (Byte & (0x80 >> (X % 8))) != 0;
                }
            Font.Glyphs.push_back(std::move(Glyph));
        }
    }

    // The first glyph listed for a code point wins, as in the console.
    static void Map(TPsfFont& Font, char32_t CodePoint, size_t Glyph)
    {
        Font.GlyphOfCodePoint.emplace(CodePoint, Glyph);
    }

    TPsfFont ParsePsf1() const
    {
        Need(4);
        const uint8_t Mode = Bytes[2];
        TPsfFont Font;
        Font.GlyphWidth = 8;
        Font.GlyphHeight = Bytes[3];
        const size_t Count = (Mode & Psf1Mode512) != 0 ? 512 : 256;
        const size_t BytesPerGlyph = Bytes[3];
        ReadGlyphs(Font, 4, Count, BytesPerGlyph);
        if ((Mode & (Psf1ModeHasTable | Psf1ModeHasSequences)) == 0)
            throw std::runtime_error(Path + " has no Unicode table");
        size_t At = 4 + Count * BytesPerGlyph;
        for (size_t Glyph = 0; Glyph < Count; ++Glyph) {
            bool InSequence = false;
            for (;;) {
                Need(At + 2);
                const auto Entry = static_cast<uint16_t>(Bytes[At] | Bytes[At + 1] << 8);
                At += 2;
                if (Entry == Psf1Separator) break;
                if (Entry == Psf1StartSequence) InSequence = true;
                // Sequences name combined characters; only single code points matter here.
                if (!InSequence) Map(Font, Entry, Glyph);
            }
        }
        return Font;
    }

    TPsfFont ParsePsf2() const
    {
        Need(32);
        const uint32_t HeaderSize = Word32(Bytes, 8);
        const uint32_t Flags = Word32(Bytes, 12);
        const uint32_t Count = Word32(Bytes, 16);
        const uint32_t BytesPerGlyph = Word32(Bytes, 20);
        TPsfFont Font;
        Font.GlyphHeight = static_cast<int>(Word32(Bytes, 24));
        Font.GlyphWidth = static_cast<int>(Word32(Bytes, 28));
        if (Font.GlyphWidth <= 0 || Font.GlyphHeight <= 0 ||
            BytesPerGlyph < static_cast<uint32_t>((Font.GlyphWidth + 7) / 8 * Font.GlyphHeight))
            throw std::runtime_error(Path + " has an impossible glyph size");
        ReadGlyphs(Font, HeaderSize, Count, BytesPerGlyph);
        if ((Flags & Psf2HasTable) == 0) throw std::runtime_error(Path + " has no Unicode table");
        size_t At = HeaderSize + static_cast<size_t>(Count) * BytesPerGlyph;
        for (size_t Glyph = 0; Glyph < Count; ++Glyph) {
            bool InSequence = false;
            for (;;) {
                Need(At + 1);
                if (Bytes[At] == Psf2Separator) {
                    ++At;
                    break;
                }
                if (Bytes[At] == Psf2StartSequence) {
                    InSequence = true;
                    ++At;
                    continue;
                }
                const char32_t CodePoint = NextUtf8(Bytes, At, Path);
                if (!InSequence) Map(Font, CodePoint, Glyph);
            }
        }
        return Font;
    }
};

TPsfFont TPsfFont::Load(const std::string& Path)
{
    TBytes Bytes = ReadFile(Path);
    if (StartsWith(Bytes, GzipMagic, sizeof GzipMagic)) Bytes = Gunzip(Path);
    return TPsfParser(std::move(Bytes), Path).Parse();
}

std::optional<TGlyph> TPsfFont::Find(char32_t CodePoint) const
{
    const auto Found = GlyphOfCodePoint.find(CodePoint);
    if (Found == GlyphOfCodePoint.end()) return std::nullopt;
    return Glyphs[Found->second];
}
