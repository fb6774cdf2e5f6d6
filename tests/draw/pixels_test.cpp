#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <cmath>
#include <cstring>
#include <limits>
#include <map>
#include <random>
#include <set>

#include "draw/display.h"
#include "draw/pixels.h"
#include "draw/surface.h"
#include "support/headless.h"

namespace {

class PixelsTest : public ::testing::Test {
protected:
    THeadless Program; // the display and images, as at start-up
    Uint32 Red = MapColour(255, 0, 0);
    Uint32 Black = MapColour(0, 0, 0);

    void SetUp() override { SDL_FillRect(Screen, nullptr, Black); }

    std::set<std::pair<int, int>> Painted() const { return PixelsOtherThan(Black); }
};

} // namespace

TEST_F(PixelsTest, PutPixelIsOneBasedAndClipsToTheDisplay)
{
    PutPixel(Screen, Red, false, 0, 5);
    PutPixel(Screen, Red, false, 5, 0);
    PutPixel(Screen, Red, false, 801, 1);
    PutPixel(Screen, Red, false, 1, 601);
    PutPixel(Screen, Red, true, -400, -300); // 0 once the Origin is added
    EXPECT_TRUE(Painted().empty());

    PutPixel(Screen, Red, false, 1, 1);
    PutPixel(Screen, Red, false, 800, 600);
    PutPixel(Screen, Red, true, 0, 0);
    EXPECT_EQ(Painted(), (std::set<std::pair<int, int>>{{0, 0}, {799, 599}, {399, 299}}));
}

TEST_F(PixelsTest, PutPixelRoundsHalvesToEven)
{
    PutPixel(Screen, Red, false, 1.5, 1.5); // 2, 2
    PutPixel(Screen, Red, false, 2.5, 2.5); // 2, 2 as well
    PutPixel(Screen, Red, false, 3.5, 10.49);
    EXPECT_EQ(Painted(), (std::set<std::pair<int, int>>{{1, 1}, {3, 9}}));
}

TEST_F(PixelsTest, PutPixelIgnoresValuesNoPixelHas)
{
    const double Odd[] = {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                          -std::numeric_limits<double>::infinity(), 1e300, -1e300, 4e9, -4e9};
    for (const double V : Odd) {
        PutPixel(Screen, Red, true, V, 0);
        PutPixel(Screen, Red, true, 0, V);
        PutPixel(Screen, Red, false, V, V);
    }
    EXPECT_TRUE(Painted().empty());
}

TEST_F(PixelsTest, PixelRoutinesStayInsideSmallerSurfaces)
{
    // A 4x3 surface in the display's format: writes and reads beyond it do
    // nothing (AddressSanitizer would see them otherwise).
    SDL_Surface* Small = SDL_CreateRGBSurface(SDL_SWSURFACE, 4, 3, 32, Screen->format->Rmask,
                                              Screen->format->Gmask, Screen->format->Bmask, 0);
    ASSERT_NE(Small, nullptr);
    SDL_FillRect(Small, nullptr, 0);
    PutPixel(Small, Red, false, 5, 1);
    PutPixel(Small, Red, false, 1, 4);
    PutPixel(Small, Red, false, 4, 3);
    EXPECT_EQ(GetPixel(Small, 3, 2), Red);
    EXPECT_EQ(GetPixel(Small, 4, 0), 0u);
    EXPECT_EQ(GetPixel(Small, 0, 3), 0u);
    EXPECT_EQ(GetPixel(Small, -1, 0), 0u);
    SDL_FreeSurface(Small);
    // A 24-bit surface is never written with 4-byte pixels.
    SDL_Surface* Narrow = SDL_CreateRGBSurface(SDL_SWSURFACE, 2, 1, 24, 0xFF0000, 0xFF00, 0xFF, 0);
    ASSERT_NE(Narrow, nullptr);
    PutPixel(Narrow, 0xFFFFFFFF, false, 2, 1);
    EXPECT_EQ(static_cast<Uint8*>(Narrow->pixels)[5], 0);
    SDL_FreeSurface(Narrow);
}

TEST_F(PixelsTest, BlitAtPutsTheCellOnBaseMovedByThePositionAndTheOrigin)
{
    // A 3x2 sheet of six colours; the cell (1, 0)-(2, 1) holds four of them.
    SDL_Surface* Sheet = SDL_CreateRGBSurface(SDL_SWSURFACE, 3, 2, 32, Screen->format->Rmask,
                                              Screen->format->Gmask, Screen->format->Bmask, 0);
    ASSERT_NE(Sheet, nullptr);
    const auto Colour = [](int X, int Y) {
        return MapColour(static_cast<Uint8>(60 * X + 10), static_cast<Uint8>(100 * Y + 10), 200);
    };
    for (int Y = 0; Y < 2; ++Y)
        for (int X = 0; X < 3; ++X) {
            SDL_Rect Pixel = MakeRect(X, Y, 1, 1);
            SDL_FillRect(Sheet, &Pixel, Colour(X, Y));
        }
    const SDL_Rect Cell = MakeRect(1, 0, 2, 2);
    // The cell's pixels from display pixel (X, Y) on, as far as the display reaches.
    const auto Expected = [&](int X, int Y) {
        std::map<std::pair<int, int>, Uint32> Pixels;
        for (int J = 0; J < 2; ++J)
            for (int I = 0; I < 2; ++I)
                if (X + I >= 0 && Y + J >= 0) Pixels[{X + I, Y + J}] = Colour(1 + I, J);
        return Pixels;
    };
    const auto Blitted = [&](const SDL_Rect& Base, int X, int Y, bool Centred) {
        SDL_FillRect(Screen, nullptr, Black);
        BlitAt(Sheet, Cell, Screen, Base, X, Y, Centred);
        std::map<std::pair<int, int>, Uint32> Pixels;
        for (const auto& [PX, PY] : Painted()) Pixels[{PX, PY}] = DisplayPixel(PX, PY);
        return Pixels;
    };
    EXPECT_EQ(Blitted(MakeRect(10, 20, 0, 0), 5, -3, true), Expected(415, 317)); // the Origin is (400, 300)
    EXPECT_EQ(Blitted(MakeRect(10, 20, 0, 0), 5, -3, false), Expected(15, 17));
    EXPECT_EQ(Blitted(ClipRect, -1, -1, false), Expected(-1, -1)); // clipped to one pixel
    EXPECT_TRUE(Blitted(ClipRect, -50, -50, false).empty());
    EXPECT_TRUE(Blitted(ClipRect, 5000, 10, false).empty());
    SDL_FreeSurface(Sheet);
}

TEST_F(PixelsTest, MakeRectCutsToSixteenBits)
{
    const SDL_Rect R = MakeRect(65536 + 7, -32769, 65536 + 3, 70000);
    EXPECT_EQ(R.x, 7);
    EXPECT_EQ(R.y, 32767);
    EXPECT_EQ(R.w, 3);
    EXPECT_EQ(R.h, 70000 - 65536);
}

TEST_F(PixelsTest, BlitColouredPaintsTheShapeOnePixelUpAndLeft)
{
    // The cursor's shape in one colour, compared with its own non-key pixels.
    const SDL_Rect Whole = MakeRect(0, 0, MouseImage->w, MouseImage->h);
    BlitColoured(MouseImage, Whole, Screen, ClipRect, Red, 100, 50, false);
    std::set<std::pair<int, int>> Expected;
    SDL_LockSurface(MouseImage);
    for (int X = 0; X < MouseImage->w; ++X)
        for (int Y = 0; Y < MouseImage->h; ++Y)
            if (GetPixel(MouseImage, X, Y) != MouseImage->format->colorkey) Expected.insert({100 + X - 1, 50 + Y - 1});
    SDL_UnlockSurface(MouseImage);
    ASSERT_FALSE(Expected.empty());
    EXPECT_EQ(Painted(), Expected);
}

TEST_F(PixelsTest, BlitTintedBlendsTheShapeButNotItsFirstRowOrColumn)
{
    const Uint32 White = MapColour(255, 255, 255);
    const SDL_Rect Whole = MakeRect(0, 0, MouseImage->w, MouseImage->h);
    BlitTinted(MouseImage, Whole, Screen, ClipRect, White, 128, 200, 100, false);
    std::set<std::pair<int, int>> Expected;
    SDL_LockSurface(MouseImage);
    for (int X = 1; X < MouseImage->w; ++X)
        for (int Y = 1; Y < MouseImage->h; ++Y)
            if (GetPixel(MouseImage, X, Y) != MouseImage->format->colorkey) Expected.insert({200 + X - 1, 100 + Y - 1});
    SDL_UnlockSurface(MouseImage);
    EXPECT_EQ(Painted(), Expected);
    const auto [X, Y] = *Expected.begin();
    const TRgb Half = DisplayColour(X, Y);
    EXPECT_NEAR(Half.R, 128, 2); // white at alpha 128 over black
    EXPECT_EQ(Half.R, Half.G);
}

TEST_F(PixelsTest, TintedSilhouettesMatchThePlainCopyAndBlit)
{
    std::mt19937 Random(77);
    // The cursor, and small keyed sheets of random colours in the display's format.
    std::vector<SDL_Surface*> Sources{MouseImage};
    for (int I = 0; I < 3; ++I) {
        SDL_Surface* Sheet = SDL_CreateRGBSurface(SDL_SWSURFACE, 5 + 7 * I, 9 + 3 * I, 32, 0xFF0000, 0xFF00, 0xFF, 0);
        for (int Y = 0; Y < Sheet->h; ++Y)
            for (int X = 0; X < Sheet->w; ++X) {
                SDL_Rect Pixel = MakeRect(X, Y, 1, 1);
                SDL_FillRect(Sheet, &Pixel, Random() % 3 == 0 ? 0xFF00FF : (Random() & 0xFFFFFF));
            }
        SetKeyColor(Sheet, 255, 0, 255);
        Sources.push_back(Sheet);
    }
    std::uniform_int_distribution<int> Near(-25, 25), Byte(0, 255), Cut(-3, 6);
    std::vector<Uint32> Background(static_cast<size_t>(Screen->w) * Screen->h);
    for (Uint32& P : Background) P = static_cast<Uint32>(Random());
    const auto Paint = [&] {
        for (int Y = 0; Y < Screen->h; ++Y)
            std::memcpy(static_cast<Uint8*>(Screen->pixels) + Y * Screen->pitch, &Background[static_cast<size_t>(Y) * Screen->w],
                        static_cast<size_t>(Screen->w) * 4);
    };
    for (int Case = 0; Case < 240; ++Case) {
        SDL_Surface* Source = Sources[static_cast<size_t>(Case) % Sources.size()];
        // Whole sheets and cells cut at every side, over each edge and the middle.
        const SDL_Rect Cell = Case % 2 == 0 ? MakeRect(0, 0, Source->w, Source->h)
                                             : MakeRect(Cut(Random), Cut(Random), Source->w + Cut(Random), Source->h + Cut(Random));
        const int Corner = Case % 4;
        const int X = (Corner == 1 ? 800 : Corner == 2 ? 400 : 0) + Near(Random);
        const int Y = (Corner == 3 ? 600 : Corner == 2 ? 300 : 0) + Near(Random);
        const bool Centred = Case % 5 == 0;
        const auto Alpha = static_cast<Uint8>(Case < 6 ? Case * 51 : Byte(Random));
        const Uint32 Colour = Case % 9 == 0 ? Source->format->colorkey
                                            : MapColour(static_cast<Uint8>(Byte(Random)), static_cast<Uint8>(Byte(Random)),
                                                        static_cast<Uint8>(Byte(Random)));
        const int PlaceX = Centred ? X - 400 : X, PlaceY = Centred ? Y - 300 : Y;
        Paint();
        BlitTintedPlain(Source, Cell, Screen, ClipRect, Colour, Alpha, PlaceX, PlaceY, Centred);
        const std::vector<Uint32> Plain = CaptureDisplay();
        Paint();
        BlitTinted(Source, Cell, Screen, ClipRect, Colour, Alpha, PlaceX, PlaceY, Centred);
        ASSERT_EQ(CaptureDisplay(), Plain) << "case " << Case << " alpha " << int{Alpha};
    }
    for (size_t I = 1; I < Sources.size(); ++I) SDL_FreeSurface(Sources[I]);
}

TEST_F(PixelsTest, LinePlotsItsPointsButNotItsStart)
{
    DrawLine(Screen, 0, 0, 0, 0, Red);
    EXPECT_TRUE(Painted().empty());
    DrawLine(Screen, 0, 0, 3, 4, Red);
    // (1, 1), (1, 2), (2, 2), (2, 3), (3, 4) relative to the Origin, one-based.
    EXPECT_EQ(Painted(), (std::set<std::pair<int, int>>{{400, 300}, {400, 301}, {401, 301}, {401, 302}, {402, 303}}));
}

TEST_F(PixelsTest, ClippedLineMatchesEveryPointOfTheUnclippedLine)
{
    std::mt19937 Random(20261207);
    std::uniform_int_distribution<int> Near(-700, 700);
    std::uniform_int_distribution<int> Far(-200000, 200000);
    for (int Case = 0; Case < 60; ++Case) {
        auto& Pick = Case % 3 == 0 ? Far : Near;
        const int X1 = Pick(Random), Y1 = Pick(Random), X2 = Near(Random), Y2 = Near(Random);
        SDL_FillRect(Screen, nullptr, Black);
        DrawLinePlain(Screen, X1, Y1, X2, Y2, Red);
        const std::set<std::pair<int, int>> Plain = Painted();
        SDL_FillRect(Screen, nullptr, Black);
        DrawLine(Screen, X1, Y1, X2, Y2, Red);
        ASSERT_EQ(Painted(), Plain) << X1 << "," << Y1 << " - " << X2 << "," << Y2;
    }
}

TEST_F(PixelsTest, WholeNumberLinesPaintWhatThePlainPointsPaint)
{
    // Batches of lines in colours of their own over one another, drawn
    // point by point by DrawLinePlain and by DrawLine: short
    // lines full of ties, lines across the display's edges and longer ones,
    // with the Origin at the centre and at a corner.
    std::mt19937 Random(4711);
    std::uniform_int_distribution<int> Short(-12, 12), Edge(-30, 30), Wide(-1200, 1200), Byte(0, 255);
    for (const auto& [OriginAtX, OriginAtY] : {std::pair{400, 300}, {0, 0}}) {
        SetOrigin(OriginAtX, OriginAtY);
        for (int Batch = 0; Batch < 15; ++Batch) {
            std::vector<std::array<int, 4>> Lines;
            for (int K = 0; K < 100; ++K) {
                const int Kind = (Batch + K) % 3;
                const int X = Kind == 1 ? (K % 2 ? 400 : -400) + Edge(Random) : Wide(Random) / 3;
                const int Y = Kind == 1 ? (K % 4 < 2 ? 300 : -300) + Edge(Random) : Wide(Random) / 4;
                const int Dx = Kind == 2 ? Wide(Random) : Short(Random), Dy = Kind == 2 ? Wide(Random) : Short(Random);
                Lines.push_back({X - OriginAtX + 400, Y - OriginAtY + 300, X + Dx - OriginAtX + 400, Y + Dy - OriginAtY + 300});
            }
            std::vector<Uint32> Colours;
            for (size_t K = 0; K < Lines.size(); ++K)
                Colours.push_back(MapColour(static_cast<Uint8>(Byte(Random)), static_cast<Uint8>(Byte(Random)), 1));
            SDL_FillRect(Screen, nullptr, Black);
            for (size_t K = 0; K < Lines.size(); ++K)
                DrawLinePlain(Screen, Lines[K][0], Lines[K][1], Lines[K][2], Lines[K][3], Colours[K]);
            const std::vector<Uint32> Plain = CaptureDisplay();
            SDL_FillRect(Screen, nullptr, Black);
            for (size_t K = 0; K < Lines.size(); ++K)
                DrawLine(Screen, Lines[K][0], Lines[K][1], Lines[K][2], Lines[K][3], Colours[K]);
            ASSERT_EQ(CaptureDisplay(), Plain) << "batch " << Batch << ", origin (" << OriginAtX << ", " << OriginAtY << ")";
        }
    }
    SetOrigin(400, 300);
}

TEST_F(PixelsTest, LinesOfAnyLengthEndAndStayDefined)
{
    // A line across the whole int range: billions of points on paper, only
    // those on the display are worked out.
    DrawLine(Screen, INT_MIN, INT_MIN, INT_MAX, INT_MAX, Red);
    DrawLine(Screen, INT_MAX, 0, INT_MIN, 1, Red);
    const auto Points = Painted();
    EXPECT_TRUE(Points.count({399, 299})); // the diagonal passes the centre
    EXPECT_GT(Points.size(), 1000u);
}
