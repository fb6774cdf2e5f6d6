// The stretched fill against its reference, DrawStretchedPlain: one blit
// per copy. For each shape of stretch, at a sheet alpha of each kind SDL
// blends differently, over a background of random colours, both must leave
// the same display.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>

#include "draw/display.h"
#include "draw/surface.h"
#include "ui/sheets.h"
#include "support/headless.h"

namespace {

class StretchedFill : public ::testing::Test {
protected:
    THeadless Program;
    std::vector<Uint32> Background;

    void SetUp() override
    {
        std::mt19937 Random(1234);
        for (int I = 0; I < Screen->w * Screen->h; ++I)
            Background.push_back(MapColour(static_cast<Uint8>(Random()), static_cast<Uint8>(Random()),
                                           static_cast<Uint8>(Random())));
    }

    void PaintBackground()
    {
        for (int Y = 0; Y < Screen->h; ++Y)
            std::memcpy(static_cast<Uint8*>(Screen->pixels) + Y * Screen->pitch,
                        &Background[static_cast<size_t>(Y) * Screen->w], static_cast<size_t>(Screen->w) * 4);
    }

    // Both methods at each position, for the sheet as loaded (no alpha), opaque,
    // at SDL's half-blend alpha and at a general one.
    void ExpectIdentical(const std::string& Name, SDL_Surface* Sheet, const SDL_Rect& Piece, int Columns, int Rows,
                         std::initializer_list<std::pair<int64_t, int64_t>> Positions)
    {
        for (const int Alpha : {-1, 255, 128, 242}) {
            if (Alpha >= 0) SDL_SetAlpha(Sheet, SDL_SRCALPHA, static_cast<Uint8>(Alpha));
            for (const auto& [X, Y] : Positions) {
                PaintBackground();
                DrawStretchedPlain(Sheet, Piece, X, Y, Columns, Rows);
                const std::vector<Uint32> Plain = CaptureDisplay();
                PaintBackground();
                DrawStretched(Sheet, Piece, X, Y, Columns, Rows);
                const std::vector<Uint32> Fast = CaptureDisplay();
                size_t Different = 0;
                for (size_t I = 0; I < Plain.size(); ++I) Different += Plain[I] != Fast[I];
                EXPECT_EQ(Different, 0u) << Name << " at alpha " << Alpha << ", (" << X << ", " << Y << ")";
                if (X > -100 && X < 700 && Y > -100 && Y < 500) {
                    EXPECT_NE(Fast, Background) << Name << ": nothing was drawn";
                }
            }
        }
        SDL_SetAlpha(Sheet, SDL_SRCALPHA, 255);
    }
};

// A 4x4 sheet with magenta (transparent) pixels in every piece cut from it,
// in the sheets' own 24 bits or the display's 32.
SDL_Surface* KeyedSheet(bool DisplayFormat)
{
    SDL_Surface* Sheet = SDL_CreateRGBSurface(SDL_SWSURFACE, 4, 4, 24, 0xFF0000, 0x00FF00, 0x0000FF, 0);
    const Uint32 Colours[4][4] = {{0xFF00FF, 0x0AC81E, 0x5A5AFA, 0xFF00FF},
                                  {0xC81414, 0xFF00FF, 0x000000, 0xFFFFFF},
                                  {0xFF00FF, 0x808000, 0xFF00FE, 0x3C4650},
                                  {0x010203, 0xFF00FF, 0xFAFA05, 0xFF00FF}};
    for (int Y = 0; Y < 4; ++Y)
        for (int X = 0; X < 4; ++X) {
            SDL_Rect Pixel = MakeRect(X, Y, 1, 1);
            SDL_FillRect(Sheet, &Pixel, Colours[Y][X]);
        }
    if (DisplayFormat) {
        SDL_Surface* Converted = SDL_DisplayFormat(Sheet);
        SDL_FreeSurface(Sheet);
        Sheet = Converted;
    }
    SetKeyColor(Sheet, 255, 0, 255);
    return Sheet;
}

} // namespace

TEST_F(StretchedFill, EachShapeOfStretchMatchesThePlainCopyByCopyBlits)
{
    // Stretched pieces the toolkit draws, one repeated across, one down and
    // one over an area, with counts like the menu's.
    const struct {
        const char* Name;
        SDL_Surface* Sheet;
        SDL_Rect Piece;
        int Columns, Rows;
    } Stretches[] = {
        {"window title middle", WindowImage, WindowTitleMiddle, 266, 1},
        {"window left side", WindowImage, WindowLeftSide, 1, 274},
        {"button centre", ButtonImage, ButtonNormal.Centre, 163, 19},
    };
    for (const auto& S : Stretches)
        ExpectIdentical(S.Name, S.Sheet, S.Piece, S.Columns, S.Rows, {{356, 173}, {-40, 590}, {700, -10}});
}

TEST_F(StretchedFill, OverlappingPiecesWithTransparentPixelsMatch)
{
    for (const bool DisplayFormat : {false, true}) {
        SDL_Surface* Sheet = KeyedSheet(DisplayFormat);
        const std::string Kind = DisplayFormat ? " (32-bit)" : " (24-bit)";
        ExpectIdentical("2x3 across" + Kind, Sheet, MakeRect(0, 0, 2, 3), 50, 1, {{100, 100}, {795, 598}});
        ExpectIdentical("3x2 down" + Kind, Sheet, MakeRect(1, 1, 3, 2), 1, 40, {{100, 100}, {-2, -1}});
        ExpectIdentical("3x3 over an area" + Kind, Sheet, MakeRect(0, 1, 3, 3), 30, 20, {{100, 100}, {785, 590}});
        SDL_FreeSurface(Sheet);
    }
}

TEST_F(StretchedFill, StretchesTheBlitterWrapsAndEmptyOnesMatch)
{
    // Copies that cross the 16-bit limit land back on the display.
    ExpectIdentical("body across the limit", WindowImage, WindowBody, 120, 3, {{32700, 100}, {65530, 10}});
    ExpectIdentical("edit middle across the limit", EditImage, EditMiddle, 40, 1, {{-32790, 100}});
    PaintBackground();
    for (const auto& [Columns, Rows] : {std::pair{0, 5}, {5, 0}, {-3, 5}, {5, -1}})
        DrawStretched(WindowImage, WindowBody, 100, 100, Columns, Rows);
    EXPECT_EQ(CaptureDisplay(), Background);
}
