// The program's own keyed blit against its reference, SDL's blit: every
// piece, position and alpha must leave the display exactly as
// BlitSheetPiecePlain leaves it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <string>

#include "draw/display.h"
#include "draw/keyed_blit.h"
#include "draw/surface.h"
#include "support/headless.h"

namespace {

class KeyedBlit : public ::testing::Test {
protected:
    THeadless Program;
    std::mt19937 Random{20261207};
    std::vector<Uint32> Background;

    void SetUp() override
    {
        // Random colours, top byte included: the blit must set it as SDL does.
        for (int I = 0; I < Screen->w * Screen->h; ++I) Background.push_back(static_cast<Uint32>(Random()));
    }

    // Rows a blit can reach in the tests below: the rest stay untouched by both.
    int FirstRow = 0, EndRow = 600;

    void PaintBackground()
    {
        for (int Y = FirstRow; Y < EndRow; ++Y)
            std::memcpy(static_cast<Uint8*>(Screen->pixels) + Y * Screen->pitch,
                        &Background[static_cast<size_t>(Y) * Screen->w], static_cast<size_t>(Screen->w) * 4);
    }

    std::vector<Uint32> Snapshot()
    {
        std::vector<Uint32> Pixels(static_cast<size_t>(Screen->w) * (EndRow - FirstRow));
        for (int Y = FirstRow; Y < EndRow; ++Y)
            std::memcpy(&Pixels[static_cast<size_t>(Y - FirstRow) * Screen->w],
                        static_cast<const Uint8*>(Screen->pixels) + Y * Screen->pitch, static_cast<size_t>(Screen->w) * 4);
        return Pixels;
    }

    // SDL's blit and the loop's from the same background; the number of
    // display pixels in which they differ.
    size_t Differences(SDL_Surface* Sheet, const SDL_Rect& Piece, Sint16 X, Sint16 Y)
    {
        FirstRow = std::clamp(Y - 64, 0, Screen->h);
        EndRow = std::clamp(Y + 64, 0, Screen->h);
        PaintBackground();
        BlitSheetPiecePlain(Sheet, Piece, Screen, X, Y);
        const std::vector<Uint32> Blitted = Snapshot();
        PaintBackground();
        EXPECT_TRUE(BlitSheetPiece(Sheet, Piece, Screen, X, Y));
        const std::vector<Uint32> Looped = Snapshot();
        size_t Different = 0;
        for (size_t I = 0; I < Blitted.size(); ++I) Different += Blitted[I] != Looped[I];
        return Different;
    }
};

// A sheet of random colours with a good share of colour key, in 24 or 32 bits.
SDL_Surface* RandomSheet(std::mt19937& Random, int Width, int Height, int Bits)
{
    SDL_Surface* Sheet =
        SDL_CreateRGBSurface(SDL_SWSURFACE, Width, Height, Bits, 0xFF0000, 0x00FF00, 0x0000FF, 0);
    for (int Y = 0; Y < Height; ++Y)
        for (int X = 0; X < Width; ++X) {
            SDL_Rect Pixel = MakeRect(X, Y, 1, 1);
            SDL_FillRect(Sheet, &Pixel, Random() % 4 == 0 ? 0xFF00FF : (Random() & 0xFFFFFF));
        }
    SetKeyColor(Sheet, 255, 0, 255);
    return Sheet;
}

} // namespace

TEST_F(KeyedBlit, TheBlitterHereBlendsAsTheLoopDoes)
{
    // Without this the loop never runs and every piece is SDL's own blit.
    EXPECT_TRUE(BlitterMatchesKeyedBlend(3));
    EXPECT_TRUE(BlitterMatchesKeyedBlend(4));
}

TEST(KeyedBlend, RunsOfOneColourBlendEveryFieldValueAsThePixelFormula)
{
    // Every source and destination field value at every alpha, in runs of
    // every length up to a few vectors, top bytes set on the destination,
    // which comes in runs of equal pixels of every length up to nine.
    std::vector<uint32_t> Row(259), Expected(259);
    for (int Alpha = 1; Alpha <= 255; ++Alpha)
        for (uint32_t S = 0; S < 256; ++S) {
            const uint32_t Source = (S << 16) | ((255 - S) << 8) | ((S * 7) & 0xFF);
            const auto Count = static_cast<int>(256 + S % 4);
            for (int D = 0; D < Count; ++D) {
                const auto V = static_cast<uint32_t>((D / static_cast<int>(1 + S % 9)) & 0xFF);
                Row[static_cast<size_t>(D)] = 0xA5000000u | (V << 16) | (((V * 13) & 0xFF) << 8) | (255 - V);
            }
            Expected = Row;
            BlendRunPlain(Expected.data(), Count, Source, Alpha);
            BlendRun(Row.data(), Count, Source, Alpha);
            ASSERT_TRUE(std::equal(Row.begin(), Row.begin() + Count, Expected.begin()))
                << "alpha " << Alpha << ", source " << S;
        }
}

TEST(KeyedBlend, SpansOfSheetPixelsBlendOnlyTheirInk)
{
    std::mt19937 Random(5);
    std::vector<uint32_t> Row(70), Expected(70), Source(70);
    std::vector<uint8_t> Ink(70);
    for (int Alpha = -1; Alpha <= 255; ++Alpha)
        for (int Case = 0; Case < 40; ++Case) {
            const int Count = Case + 1;
            for (size_t K = 0; K < Row.size(); ++K) {
                Row[K] = static_cast<uint32_t>(Random());
                Source[K] = static_cast<uint32_t>(Random()) & 0x00FFFFFFu;
                // Runs without ink, all ink, and mixed.
                Ink[K] = Case % 3 == 0 ? 0 : Case % 3 == 1 ? 1 : static_cast<uint8_t>(Random() % 2);
            }
            if (Alpha == 0) continue; // never asked to draw
            Expected = Row;
            BlendSpanPlain(Expected.data(), Source.data(), Ink.data(), Count, Alpha);
            BlendSpan(Row.data(), Source.data(), Ink.data(), Count, Alpha);
            ASSERT_EQ(Row, Expected) << "alpha " << Alpha << ", " << Count << " pixels";
        }
}

TEST_F(KeyedBlit, EveryAlphaOfEverySheetMatchesSdl)
{
    for (SDL_Surface* Sheet : {WindowImage, ButtonImage, EditImage, SpinImage, ProgressImage, CheckImage, RadioImage}) {
        const SDL_Rect Whole = MakeRect(0, 0, Sheet->w, Sheet->h);
        for (int Alpha = -1; Alpha <= 255; ++Alpha) {
            if (Alpha >= 0) SDL_SetAlpha(Sheet, SDL_SRCALPHA, static_cast<Uint8>(Alpha));
            else SDL_SetAlpha(Sheet, 0, 255);
            ASSERT_EQ(Differences(Sheet, Whole, 100, 80), 0u) << "alpha " << Alpha;
        }
        SDL_SetAlpha(Sheet, SDL_SRCALPHA, 255);
    }
}

TEST_F(KeyedBlit, RandomPiecesAtTheEdgesMatchSdl)
{
    std::uniform_int_distribution<int> Alpha(-1, 255);
    for (const int Bits : {24, 32}) {
        SDL_Surface* Sheet = RandomSheet(Random, 37, 23, Bits);
        for (int Case = 0; Case < 400; ++Case) {
            // Pieces partly or wholly off the sheet, targets across every edge.
            std::uniform_int_distribution<int> SheetX(-10, 45), SheetY(-10, 30), Size(0, 40);
            const SDL_Rect Piece = MakeRect(SheetX(Random), SheetY(Random), Size(Random), Size(Random));
            const int Edge = Case % 5;
            std::uniform_int_distribution<int> Near(-45, 45);
            const int X = (Edge == 1 ? 800 : Edge == 2 ? 400 : 0) + Near(Random);
            const int Y = (Edge == 3 ? 600 : Edge == 4 ? 300 : 0) + Near(Random);
            const int A = Alpha(Random);
            if (A >= 0) SDL_SetAlpha(Sheet, SDL_SRCALPHA, static_cast<Uint8>(A));
            else SDL_SetAlpha(Sheet, 0, 255);
            ASSERT_EQ(Differences(Sheet, Piece, static_cast<Sint16>(X), static_cast<Sint16>(Y)), 0u)
                << Bits << "-bit piece (" << Piece.x << ", " << Piece.y << ", " << Piece.w << ", " << Piece.h
                << ") at (" << X << ", " << Y << "), alpha " << A;
        }
        SDL_FreeSurface(Sheet);
    }
}

TEST_F(KeyedBlit, ANarrowerClipRectangleIsHonoured)
{
    SDL_Surface* Sheet = RandomSheet(Random, 30, 30, 24);
    SDL_SetAlpha(Sheet, SDL_SRCALPHA, 150);
    SDL_Rect Clip = MakeRect(110, 95, 13, 40);
    SDL_SetClipRect(Screen, &Clip);
    EXPECT_EQ(Differences(Sheet, MakeRect(0, 0, 30, 30), 100, 100), 0u);
    EXPECT_EQ(Differences(Sheet, MakeRect(5, 2, 30, 30), 118, 90), 0u);
    SDL_SetClipRect(Screen, nullptr);
    SDL_FreeSurface(Sheet);
}

TEST_F(KeyedBlit, SheetsItCannotReproduceAreLeftToSdl)
{
    // No colour key: not the loop's business.
    SDL_Surface* Plain = SDL_CreateRGBSurface(SDL_SWSURFACE, 4, 4, 24, 0xFF0000, 0x00FF00, 0x0000FF, 0);
    EXPECT_FALSE(BlitSheetPiece(Plain, MakeRect(0, 0, 4, 4), Screen, 10, 10));
    SDL_FreeSurface(Plain);
    // A paletted sheet.
    SDL_Surface* Paletted = SDL_CreateRGBSurface(SDL_SWSURFACE, 4, 4, 8, 0, 0, 0, 0);
    SDL_SetColorKey(Paletted, SDL_SRCCOLORKEY, 0);
    EXPECT_FALSE(BlitSheetPiece(Paletted, MakeRect(0, 0, 4, 4), Screen, 10, 10));
    SDL_FreeSurface(Paletted);
}
