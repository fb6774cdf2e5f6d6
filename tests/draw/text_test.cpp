#include <gtest/gtest.h>

#include <random>
#include <set>

#include "draw/codepage.h"
#include "draw/display.h"
#include "draw/pixels.h"
#include "draw/surface.h"
#include "draw/text.h"
#include "support/headless.h"

namespace {

class TextTest : public ::testing::Test {
protected:
    THeadless Program;
    Uint32 Black = MapColour(0, 0, 0);
    void SetUp() override { SDL_FillRect(Screen, nullptr, Black); }

    // Display pixels of the sheet's glyph cell p (1-based) in Style, with
    // the pen at (PenX, PenY): the cell's top-left lands on (PenX - 1, PenY - 1).
    static std::set<std::pair<int, int>> GlyphAt(size_t P, int Style, int PenX, int PenY)
    {
        std::set<std::pair<int, int>> Points;
        SDL_LockSurface(FontImage);
        for (int X = 0; X < 8; ++X)
            for (int Y = 0; Y < 16; ++Y)
                if (GetPixel(FontImage, static_cast<int>(8 * P) + X, 16 * Style + Y) != FontImage->format->colorkey) {
                    const int Dx = PenX - 1 + X, Dy = PenY - 1 + Y;
                    if (Dx >= 0 && Dx < DisplayWidth && Dy >= 0 && Dy < DisplayHeight) Points.insert({Dx, Dy});
                }
        SDL_UnlockSurface(FontImage);
        return Points;
    }

    std::set<std::pair<int, int>> Painted() const { return PixelsOtherThan(Black); }
};

} // namespace

TEST(Charset, HoldsTheWindows1250PolishLettersInTheirCells)
{
    ASSERT_EQ(FontCharset.size(), 112u);
    EXPECT_EQ(std::set<char>(FontCharset.begin(), FontCharset.end()).size(), 112u);
    EXPECT_EQ(FontCharset.substr(93), Cp1250("ąćęłńóśźżĄĆĘŁŃÓŚŹŻ¶"));
    EXPECT_EQ(8 * (FontCharset.find(Cp1250("ł")[0]) + 1), 776u);
    EXPECT_EQ(8 * (FontCharset.find('0') + 1), 496u);
    EXPECT_EQ(8 * (FontCharset.find('1') + 1), 424u);
    EXPECT_EQ(FontCharset.find(' '), std::string_view::npos);
    EXPECT_EQ(FontCharset.find('\''), std::string_view::npos);
}

TEST(Charset, Utf8CaptionsBecomeSingleBytes)
{
    EXPECT_EQ(Cp1250("Wybierz symulację"), "Wybierz symulacj\xEA");
    EXPECT_EQ(Cp1250("Kąt: "), "K\xB9t: ");
    EXPECT_EQ(Cp1250("Powrót [Esc]"), "Powr\xF3t [Esc]");
    EXPECT_EQ(Cp1250("€ ©"), "\x80 \xA9");
    EXPECT_EQ(Cp1250("日本"), "??"); // not in the code page
    EXPECT_EQ(Cp1250("a\xC3"), "a?"); // cut short
    EXPECT_EQ(Cp1250("\xFF"), "?");
}

TEST_F(TextTest, EachGlyphComesFromItsCellAtItsPen)
{
    const std::string Line = Cp1250("Zażółć gęślą jaźń 0123");
    const Uint32 White = MapColour(255, 255, 255);
    DrawText(20, 30, White, Line, false, 0);
    std::set<std::pair<int, int>> Expected;
    for (size_t K = 0; K < Line.size(); ++K) {
        const size_t Index = FontCharset.find(Line[K]);
        if (Index == std::string_view::npos) continue; // the spaces leave gaps
        const auto Glyph = GlyphAt(Index + 1, 0, 20 + static_cast<int>(8 * K), 30);
        ASSERT_FALSE(Glyph.empty()) << K;
        Expected.insert(Glyph.begin(), Glyph.end());
    }
    EXPECT_EQ(Painted(), Expected);
    EXPECT_EQ(DisplayPixel(Expected.begin()->first, Expected.begin()->second), White);
}

TEST_F(TextTest, CharactersOutsideTheSetStillAdvanceThePen)
{
    DrawText(100, 100, MapColour(255, 0, 0), "a b\nc", false, 0);
    auto Expected = GlyphAt(1, 0, 100, 100);
    const auto B = GlyphAt(2, 0, 116, 100);
    const auto C = GlyphAt(3, 0, 132, 100);
    Expected.insert(B.begin(), B.end());
    Expected.insert(C.begin(), C.end());
    EXPECT_EQ(Painted(), Expected);
    SDL_FillRect(Screen, nullptr, Black);
    DrawText(100, 100, MapColour(255, 0, 0), "", false, 0);
    EXPECT_TRUE(Painted().empty());
}

TEST_F(TextTest, StyleOneReadsTheLowerRowAndCentredAddsTheOrigin)
{
    DrawText(-10, 4, MapColour(0, 255, 0), "W", true, 1);
    EXPECT_EQ(Painted(), GlyphAt(FontCharset.find('W') + 1, 1, 390, 304));
}

TEST_F(TextTest, SameTextInTwoColoursDiffersOnlyInColour)
{
    const Uint32 Red = MapColour(255, 0, 0), Blue = MapColour(0, 0, 255);
    DrawText(7, 9, Red, "Hello!", false, 0);
    const std::vector<Uint32> First = CaptureDisplay();
    SDL_FillRect(Screen, nullptr, Black);
    DrawText(7, 9, Blue, "Hello!", false, 0);
    const std::vector<Uint32> Second = CaptureDisplay();
    size_t Ink = 0;
    for (size_t I = 0; I < First.size(); ++I) {
        ASSERT_EQ(First[I] == Red, Second[I] == Blue) << I;
        ASSERT_TRUE(First[I] == Red || First[I] == Black);
        Ink += First[I] == Red;
    }
    EXPECT_GT(Ink, 20u);
}

TEST_F(TextTest, GlyphsAtTheEdgeAreCutPixelByPixel)
{
    DrawText(797, 595, MapColour(255, 255, 255), "MW", false, 0);
    const auto Expected = GlyphAt(FontCharset.find('M') + 1, 0, 797, 595);
    ASSERT_FALSE(Expected.empty());
    EXPECT_EQ(Painted(), Expected);
}

TEST_F(TextTest, InkListsPaintExactlyWhatThePlainCellByCellMethodPaints)
{
    std::mt19937 Random(1207);
    std::uniform_int_distribution<int> Byte(0, 255), Length(0, 40), Style(0, 2), Near(-30, 830),
        Wrapping(-70000, 70000);
    for (int Case = 0; Case < 300; ++Case) {
        std::string Text;
        for (int I = Length(Random); I > 0; --I) Text += static_cast<char>(Byte(Random));
        const bool Centred = Case % 3 == 0;
        const int X = Case % 7 == 0 ? Wrapping(Random) : Near(Random) - (Centred ? 400 : 0);
        const int Y = Case % 11 == 0 ? Wrapping(Random) : Near(Random) * 3 / 4 - (Centred ? 300 : 0);
        const Uint32 Colour = MapColour(static_cast<Uint8>(Byte(Random)), static_cast<Uint8>(Byte(Random)), 1);
        const auto S = static_cast<Uint8>(Style(Random));
        SDL_FillRect(Screen, nullptr, Black);
        DrawTextPlain(X, Y, Colour, Text, Centred, S);
        const std::vector<Uint32> Plain = CaptureDisplay();
        SDL_FillRect(Screen, nullptr, Black);
        DrawText(X, Y, Colour, Text, Centred, S);
        ASSERT_EQ(CaptureDisplay(), Plain) << "text of " << Text.size() << " at (" << X << ", " << Y << ")";
    }
}
