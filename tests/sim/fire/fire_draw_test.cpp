#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <set>
#include <vector>

#include "app/video.h"
#include "draw/display.h"
#include "draw/surface.h"
#include "sim/fire/fire_draw.h"
#include "sim/random.h"
#include "support/headless.h"

namespace {

using TPixels = std::vector<Uint32>;

// Display pixels (x, y) that differ from Before.
std::set<std::pair<int, int>> Changed(const TPixels& Before)
{
    std::set<std::pair<int, int>> Points;
    const TPixels After = CaptureDisplay();
    for (int I = 0; I < DisplayWidth * DisplayHeight; ++I)
        if (After[I] != Before[I]) Points.insert({I % DisplayWidth, I / DisplayWidth});
    return Points;
}

void Restore(const TPixels& Pixels)
{
    for (int Y = 0; Y < DisplayHeight; ++Y)
        std::memcpy(static_cast<Uint8*>(Screen->pixels) + Y * Screen->pitch, &Pixels[Y * DisplayWidth],
                    DisplayWidth * sizeof(Uint32));
}

// Draws F both ways over random pixels (top byte included, so that every
// blend shows): pixels the two pictures differ in, and pixels the blits changed.
std::pair<int, int> CompareWithBlits(const TFireCell& F, uint8_t Intensity, std::mt19937& Random)
{
    TPixels Background(DisplayWidth * DisplayHeight);
    for (Uint32& P : Background) P = Random();
    Restore(Background);
    DrawFirePlain(F, Intensity);
    const TPixels Plain = CaptureDisplay();
    Restore(Background);
    DrawFire(F, Intensity);
    const TPixels Fast = CaptureDisplay();
    int Differ = 0, Drawn = 0;
    for (size_t I = 0; I < Fast.size(); ++I) {
        Differ += Fast[I] != Plain[I];
        Drawn += Plain[I] != Background[I];
    }
    return {Differ, Drawn};
}

} // namespace

TEST(FireDraw, CellsLandOnTheirDisplayPixelsBlendedAndClipped)
{
    THeadless Program;
    ClearScreen();
    TFireCell F;
    InitFire(F, 100, 200, 3, 2);
    F.Cells = {{255, 1}, {0, 122}, {64, -7}}; // heat 1 is drawn invisibly, 0 and below not at all
    const TPixels Black = CaptureDisplay();
    DrawFire(F, 255);
    EXPECT_EQ(Changed(Black), (std::set<std::pair<int, int>>{{100, 200}, {101, 201}, {102, 200}}));
    EXPECT_EQ(DisplayColour(100, 200), (TRgb{255, 255, 0}));
    EXPECT_EQ(DisplayColour(101, 201), (TRgb{255 * 122 / 256, 116 * 122 / 256, 0})); // (255, 116, 0) at 122
    EXPECT_EQ(DisplayColour(102, 200), (TRgb{63, 0, 0}));                           // (255, 0, 0) at 64

    ClearScreen();
    InitFire(F, -2, 597, 5, 6); // over the left and bottom edges
    for (auto& Column : F.Cells) Column.assign(6, 255);
    DrawFire(F, 255);
    F.Top = 0;
    for (const double Left : {800.0, -5.0, 65536.0, 1e300}) { // wholly off, 16-bit wrap included
        F.Left = Left;
        DrawFire(F, 255);
    }
    std::set<std::pair<int, int>> Expected;
    for (int X = 0; X <= 2; ++X)
        for (int Y = 597; Y <= 599; ++Y) Expected.insert({X, Y});
    EXPECT_EQ(Changed(Black), Expected);
}

TEST(FireDraw, ScratchSurfaceIsSharedWithoutLeakOrDoubleFree)
{
    // An extra reference shows whether the separate EmptyImage was released:
    // SDL then only drops the count.
    THeadless Program;
    SDL_Surface* Separate = EmptyImage;
    ASSERT_NE(Separate, EmptyImage2);
    ++Separate->refcount;
    TFireCell F;
    InitFire(F, 0, 0, 1, 1);
    F.Cells[0][0] = 255;
    DrawFire(F, 255);
    DrawFire(F, 255);
    EXPECT_EQ(EmptyImage, EmptyImage2);
    EXPECT_EQ(Separate->refcount, 1);
    SDL_FreeSurface(Separate);
    for (int Toggle = 0; Toggle < 2; ++Toggle) { // two fresh surfaces each time, shared at the next draw
        ToggleFullScreen();
        EXPECT_NE(EmptyImage, EmptyImage2);
        ClearScreen();
        DrawFire(F, 255);
        EXPECT_EQ(EmptyImage, EmptyImage2);
        EXPECT_EQ(DisplayColour(0, 0), (TRgb{255, 255, 0}));
    }
    CloseVideo();
    DrawFire(F, 255); // no display: nothing to draw on, no fault
    EXPECT_EQ(Screen, nullptr);
}

TEST(FireDraw, DirectBlendGivesTheSamePictureAsTheBlits)
{
    // The fire screen's fire, a random grid larger than the display over all
    // four edges, and a small one in the corner, at four intensities.
    THeadless Program;
    std::mt19937 Random(90125);
    std::vector<TFireCell> Fires(3);
    InitFire(Fires[0], 0, 500, 800, 100);
    SeedRandom(7);
    for (int G = 0; G < 80; ++G) StepFire(Fires[0]);
    InitFire(Fires[1], -37, -20, 900, 700);
    InitFire(Fires[2], 790, 595, 20, 10);
    std::uniform_int_distribution<int32_t> AnyHeat(-300, 400);
    for (TFireCell* F : {&Fires[1], &Fires[2]})
        for (auto& Column : F->Cells)
            for (int32_t& V : Column) V = AnyHeat(Random);
    for (const uint8_t Intensity : {255, 128, 1, 0})
        for (size_t K = 0; K < Fires.size(); ++K) {
            const auto [Differ, Drawn] = CompareWithBlits(Fires[K], Intensity, Random);
            EXPECT_EQ(Differ, 0) << "fire " << K << ", intensity " << int{Intensity};
            EXPECT_EQ(Drawn > 0, Intensity > 0) << "fire " << K << ", intensity " << int{Intensity};
        }

    SDL_Rect Clip = MakeRect(100, 540, 300, 30); // the display's own clipping rectangle is kept to
    SDL_SetClipRect(Screen, &Clip);
    const auto [Differ, Drawn] = CompareWithBlits(Fires[0], 200, Random);
    EXPECT_EQ(Differ, 0);
    EXPECT_GT(Drawn, 1000);
    EXPECT_LE(Drawn, 300 * 30);
}
