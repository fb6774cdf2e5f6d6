#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

#include "draw/display.h"
#include "sim/random.h"
#include "sim/tornado/whirl.h"
#include "sim/tornado/whirl_draw.h"
#include "support/headless.h"
#include "support/spawn_seeds.h"

namespace {

using TPixels = std::set<std::pair<int, int>>;

// The plus of five pixels around (X, Y).
TPixels Plus(int X, int Y) { return {{X, Y}, {X - 1, Y}, {X + 1, Y}, {X, Y - 1}, {X, Y + 1}}; }

// N = 3 on the base (0, 0), with the spawn angles 86 and 176 (turned to 90
// and 180), drawn after each step.
class WhirlDrawTest : public ::testing::Test {
protected:
    THeadless Program; // the display, the angle tables and the Origin, as at start-up
    Uint32 Blue = MapColour(200, 200, 255);
    std::vector<uint64_t> Seeds = {SeedFor(86), SeedFor(176)};
    TWhirl W = CreateWhirl(3);

    void SetUp() override
    {
        RandomSeedSource = [this] {
            const uint64_t Seed = Seeds.front();
            Seeds.erase(Seeds.begin());
            return Seed;
        };
    }
    void TearDown() override { RandomSeedSource = nullptr; }

    // Zero-based display pixels painted by DrawWhirl on a black display.
    TPixels Drawn(bool Thick) const
    {
        SDL_FillRect(Screen, nullptr, 0);
        DrawWhirl(W, Blue, Thick);
        TPixels Points;
        const std::vector<Uint32> Pixels = CaptureDisplay();
        for (size_t I = 0; I < Pixels.size(); ++I) {
            if (Pixels[I] == 0) continue;
            EXPECT_EQ(Pixels[I], Blue);
            Points.insert({static_cast<int>(I % DisplayWidth), static_cast<int>(I / DisplayWidth)});
        }
        return Points;
    }
};

} // namespace

TEST_F(WhirlDrawTest, RingsAreLiftedByTheFullCapacityOnFlattenedOrbits)
{
    EXPECT_TRUE(Drawn(true).empty());

    // The particle is drawn 50 * (cos 90, sin 90 / 2) = (0, 25) from its
    // centre (100, -3), lifted by two places of 100/3 although only one ring
    // is held: (100, -44.67) -> (100, -45), one-based from the Origin
    // (400, 300): display pixel (499, 254).
    StepWhirl(W, 0, 0);
    EXPECT_EQ(Drawn(false), (TPixels{{499, 254}}));
    EXPECT_EQ(Drawn(true), Plus(499, 254));

    // Ring 0: centre (67.5, 13.9) lifted to (67.5, -52.77), particle at 94
    // degrees on radius 50: (67.5 - 3.49, -52.77 + 24.94) -> (64, -28).
    // Ring 1: centre (50, 23) lifted to (50, -10.33), particle at 180 degrees
    // on radius 25: (25, -10.33) -> (25, -10).
    StepWhirl(W, 0, 0);
    EXPECT_EQ(Drawn(false), (TPixels{{463, 271}, {424, 289}}));
    TPixels Thick = Plus(463, 271);
    Thick.merge(Plus(424, 289));
    EXPECT_EQ(Drawn(true), Thick);
}
