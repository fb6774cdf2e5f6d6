#pragma once
// A Linux console font (PSF version 1 or 2, plain or gzip-compressed) with
// its Unicode table, so glyphs can be looked up by code point.

#include <map>
#include <optional>
#include <string>
#include <vector>

struct TGlyph {
    int Width = 0;
    int Height = 0;
    std::vector<bool> Ink; // row by row, true where the glyph is drawn

    bool At(int X, int Y) const
    {
        return Ink[static_cast<size_t>(Y) * static_cast<size_t>(Width) + static_cast<size_t>(X)];
    }
};

class TPsfFont {
public:
    // Throws std::runtime_error naming Path when the file cannot be read,
    // is not a PSF font or has no Unicode table.
    static TPsfFont Load(const std::string& Path);

    int Width() const { return GlyphWidth; }
    int Height() const { return GlyphHeight; }
    // The glyph the font shows for CodePoint, if it has one.
    std::optional<TGlyph> Find(char32_t CodePoint) const;

private:
    int GlyphWidth = 0;
    int GlyphHeight = 0;
    std::vector<TGlyph> Glyphs;
    std::map<char32_t, size_t> GlyphOfCodePoint;

    friend class TPsfParser;
};
