#include <array>
#include <cstdio>
#include <stdexcept>
#include <string>

#include "draw/codepage.h"
#include "draw/text.h"
#include "sheets.h"

namespace {

constexpr int CellWidth = 8;
constexpr int CellHeight = 16;
// Any colour but the key will do: the program paints ink in the caller's colour.
constexpr TColour Ink{0, 0, 0};

std::string Utf8(char32_t CodePoint)
{
    std::string Text;
    if (CodePoint < 0x80) {
        Text += static_cast<char>(CodePoint);
    } else if (CodePoint < 0x800) {
        Text += static_cast<char>(0xC0 | CodePoint >> 6);
        Text += static_cast<char>(0x80 | (CodePoint & 0x3F));
    } else {
        Text += static_cast<char>(0xE0 | CodePoint >> 12);
        Text += static_cast<char>(0x80 | (CodePoint >> 6 & 0x3F));
        Text += static_cast<char>(0x80 | (CodePoint & 0x3F));
    }
    return Text;
}

// The Unicode character behind each Windows-1250 byte, worked out from the
// program's own encoder so the sheet agrees with how captions are encoded.
// Every code point of the code page lies below U+2200.
std::array<char32_t, 256> CodePointOfByte()
{
    std::array<char32_t, 256> CodePoints{};
    for (char32_t CodePoint = 0x20; CodePoint < 0x2200; ++CodePoint) {
        const std::string Byte = Cp1250(Utf8(CodePoint));
        if (Byte.size() != 1 || (Byte[0] == '?' && CodePoint != U'?')) continue;
        CodePoints[static_cast<unsigned char>(Byte[0])] = CodePoint;
    }
    return CodePoints;
}

void DrawRow(TCanvas& Sheet, const TPsfFont& Font, int Top, const char* StyleName)
{
    if (Font.Width() != CellWidth || Font.Height() != CellHeight)
        throw std::runtime_error(std::string("the ") + StyleName + " font must have 8x16 glyphs, not " +
                                 std::to_string(Font.Width()) + "x" + std::to_string(Font.Height()));
    const std::array<char32_t, 256> CodePoints = CodePointOfByte();
    for (size_t Index = 0; Index < FontCharset.size(); ++Index) {
        const char32_t CodePoint = CodePoints[static_cast<unsigned char>(FontCharset[Index])];
        if (CodePoint == 0)
            throw std::runtime_error("character " + std::to_string(Index + 1) +
                                     " of the font has no Unicode equivalent");
        const std::optional<TGlyph> Glyph = Font.Find(CodePoint);
        if (!Glyph) {
            char Name[16];
            std::snprintf(Name, sizeof Name, "U+%04X", static_cast<unsigned>(CodePoint));
            throw std::runtime_error(std::string("the ") + StyleName + " font has no glyph for " + Name + " (" +
                                     Utf8(CodePoint) + ")");
        }
        const int Left = CellWidth * static_cast<int>(Index + 1); // position p is 1-based
        for (int Y = 0; Y < CellHeight; ++Y)
            for (int X = 0; X < CellWidth; ++X)
                if (Glyph->At(X, Y)) Sheet.Set(Left + X, Top + Y, Ink);
    }
}

} // namespace

TCanvas MakeFontSheet(const TPsfFont& Regular, const TPsfFont& Bold)
{
    // Cell 0 holds no character and stays transparent.
    TCanvas Sheet(CellWidth * static_cast<int>(FontCharset.size() + 1), 2 * CellHeight);
    DrawRow(Sheet, Regular, 0, "regular");
    DrawRow(Sheet, Bold, CellHeight, "bold");
    return Sheet;
}
